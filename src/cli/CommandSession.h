// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One run of corvalo-cli: the command, the diary it opens and the foods it reads. The commands
// that read are in Commands.cpp, those that log a day in LogCommands.cpp.
#include "Commands.h"
#include "RecipeCommands.h"
#include "food/FoodDatabase.h"
#include "nutrition/NutrientLookup.h"
#include "platform/TextCodec.h"
#include "recipes/RecipeBook.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace Commands {

namespace fs = std::filesystem;

using CommandLine::Command;
using CommandLine::Kind;
using Day = DayFiles::LocalDate;

inline constexpr int CloseMatches = 5;

inline std::string unitList(const FoodUnits &units)
{
    std::string list;
    for (int i = 0; i < units.count; ++i) {
        if (i > 0)
            list += " | ";
        list += TextCodec::ToUtf8(units.items[std::size_t(i)].name);
    }
    return list;
}

class Session
{
public:
    Session(const Command &command, const Context &context) : m_command(command), m_context(context)
    {
    }

    int run();

private:
    int fail(const std::string &message) const
    {
        m_context.err << CommandLine::Program << ": " << message << '\n';
        return Failed;
    }
    void warn(const std::string &message) const
    {
        m_context.err << CommandLine::Program << ": " << message << '\n';
    }
    std::string failure(const FileIo::Result &result, SaveProblem::Action action) const
    {
        return SaveProblem::Describe(result, m_root, action);
    }

    bool openDiary(bool writing);
    int where();
    bool loadFoods();
    // `exact`, when given, receives how many of the foods the words found as typed: the close
    // matches follow them.
    std::vector<int> search(std::string_view text, bool bestMatchesFirst,
                            std::size_t *exact = nullptr) const;
    // Whether a food of the list is one of the recipes added to it (RecipeBook::records).
    bool isRecipe(int index) const;

    int searchFoods();
    int showDay();
    int add();
    int weight();
    int note();
    int writeNote();
    int complete();
    int activity();
    int exportDays();
    int recipe();
    RecipeCommands::Diary diary() { return {*m_store, m_root, m_context.out, m_context.err}; }

    const Command &m_command;
    const Context &m_context;
    fs::path m_root;
    std::optional<DayStore> m_store;
    FoodDatabase m_foods;
    NutrientLookup::OwnFoods m_ownFoods;
    RecipeBook m_recipes;
    FileIo::Result m_recipesRead = FileIo::Result::success({});
};

} // namespace Commands
