// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "food/FoodDatabase.h"
#include "recipes/RecipeBook.h"

#include <filesystem>
#include <iosfwd>
#include <string_view>

class DayStore;

// The user's recipes on the command line: recipe list, show, save and delete, and add of a
// recipe. Each returns the exit status.
namespace RecipeCommands {

struct Diary
{
    DayStore &store;
    const std::filesystem::path &root; // for the words of a failed save
    std::ostream &out;
    std::ostream &err;
};

int List(const RecipeBook &book, const Diary &diary);
int Show(const RecipeBook &book, std::string_view name, const Diary &diary);
// The meals of command.date as the recipe command.text: a new one, or a change of the one of
// that name from today on. A food's name (A to Z in either case) is refused.
int Save(RecipeBook &book, const CommandLine::Command &command, const FoodDatabase &foods,
         const Diary &diary);
int Delete(RecipeBook &book, std::string_view name, const Diary &diary);
// add DATE RECIPE AMOUNT UNIT: the entry with the recipe's values as they are now.
int Log(const Recipe &recipe, const CommandLine::Command &command, const Diary &diary);

} // namespace RecipeCommands
