// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/TableFile.h"
#include "platform/FileIo.h"
#include "recipes/Recipe.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's recipes: "recipes.tsv" in the diary folder, beside "myfoods.tsv". One definition a
// line, tab-separated:
//   name | in force from (YYYY-MM-DD) | servings | cooked weight in g, or "-" for the
//   ingredients' sum | per ingredient: food | amount | unit | g per unit | the ten per 100 g
//   in the food table's order, "-" for none
// and "name | date | deleted" for a recipe deleted on that day. A change is a new line, never an
// edit of the old one: days logged before keep finding the definition they were logged with.
//
// Any bytes can be read: a line that does not follow the format is skipped and remembered with
// its number and why, and written back as it was, as is every line read. Names are unique, with
// A to Z compared as lower case; the last line of a name is the recipe as it is now.
//
//   RecipeBook book;
//   FileIo::Result read = book.load(store.RecipesFile());
//   if (!book.skipped().empty()) tell(book.skippedNotice());
//   recipe.since = today; book.define(recipe, &why); book.save(store.RecipesFile());
class FoodDatabase;

class RecipeBook
{
public:
    using Day = DayFiles::LocalDate;

    static constexpr std::string_view FileName = "recipes.tsv";
    static constexpr std::uintmax_t MaxBytes = 16u * 1024 * 1024;
    // Recipes inside recipes inside recipes: deeper is taken for a loop.
    static constexpr int MaxDepth = 8;

    using SkippedLine = TableFile::SkippedLine;

    // A missing file is an empty book and a success; a file that cannot be read leaves the book
    // empty, says why, and refuses to be saved over.
    FileIo::Result load(const std::filesystem::path &file);
    void parse(std::string_view text);
    [[nodiscard]] FileIo::Result save(const std::filesystem::path &file) const;
    std::string text() const;

    // The recipes as they are now, deleted ones left out, by name.
    std::vector<Recipe> recipes() const;
    // The recipe as it is now (A to Z as lower case), or nullptr when there is none or it was
    // deleted.
    const Recipe *find(std::string_view name) const;
    // The definition a day's entry of that name was logged with, deleted recipes included: among
    // those whose values the entry stores (all when none does), the latest in force on the day,
    // else the earliest. Without a day the latest. nullptr when the name was never a recipe.
    const Recipe *inForce(std::string_view name, const std::optional<Day> &day,
                          const Nutrients *stored = nullptr) const;
    bool hasDefinitions() const;
    // The recipes as they are now as food-list records (Recipe::asFood), for
    // FoodDatabase::addUserFoods beside the own foods: found and logged like any food.
    std::vector<std::vector<std::uint8_t>> records() const;

    // A new recipe, or a change of the one of that name, from recipe.since on. False with the
    // reason in user words when it cannot be stored (Recipe::problem, or it contains itself).
    bool define(const Recipe &recipe, std::string *why = nullptr);
    // Deletes the recipe from that day on; days logged with it keep their values.
    bool remove(std::string_view name, const Day &since);
    // Whether a food of the list that is not one of the book's recipes has the name (A to Z in
    // either case): a recipe may not take it, or the list would hold two foods of one name.
    bool nameTakenByFood(std::string_view name, const FoodDatabase &foods) const;
    // The names from the recipe back to itself when, with it stored as it is, it would contain
    // itself ("Stew", "Stock", "Stew"); empty when it does not.
    std::vector<std::string> loop(const Recipe &recipe) const;

    const std::vector<SkippedLine> &skipped() const { return m_skipped; }
    // "Skipped line 3 of recipes.tsv: ..." with " (and 2 more lines)"; empty when none was.
    std::string skippedNotice() const;

    // Two copies of the file as one (a sync engine's conflict copy, a diary moved onto another):
    // every line of both, a line both hold once. A definition only `theirs` holds goes before
    // the first of the name that took effect later, so that each name's lines stay in date
    // order and the latest is the recipe as it is now; other lines only it holds go at the end.
    static std::string join(std::string_view ours, std::string_view theirs);

    static std::string formatLine(const Recipe &recipe);
    static std::string isoDate(const Day &day);
    static std::optional<Day> parseIsoDate(std::string_view text);

private:
    struct Line
    {
        std::string text;
        std::optional<Recipe> recipe; // a definition read or made
        bool deleted = false;
    };

    int lastIndexOf(std::string_view name) const;

    std::vector<Line> m_lines;
    std::vector<SkippedLine> m_skipped;
    bool m_fromFile = false;
    FileIo::Problem m_unreadable = FileIo::Problem::None;
};
