// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodTable.h"
#include "food/TableFile.h"
#include "food/UserFoodHistory.h"
#include "platform/FileIo.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's own foods: "myfoods.tsv" in the data folder, beside "db" and "note", in the format
// of the food table the program carries (res/foods/README.md) so it can be read and edited by
// hand: name, g or ml, ten nutrients per 100 g (100 mL) or "-", then up to ten units "factor
// name". A food's other catalogue nutrients follow on a line of their own, "#+", its name, then
// "key=amount" per 100 g for each nutrient known (0 is a known zero, an absent key unknown):
// older programs take it for a comment, keep it as it was and so lose nothing. It names its food,
// so a food renamed or removed by such a program leaves it unattached, never on another food.
//
// An edit that changes a food's name or nutrients, and a removal, keep the food as it was on a
// line of its own (UserFoodHistory), so that days logged before find what they were logged with.
//
// Any bytes can be read: a line that does not follow the format is skipped and remembered with
// its number and why. Lines the program does not understand, comments included, are written back
// as they were, so a rewrite after an add, edit or removal loses nothing typed by hand. Names are
// unique, with A to Z compared as lower case.
//
//   UserFoodTable table;
//   FileIo::Result read = table.load(folder / UserFoodTable::FileName);
//   database.addUserFoods(table.records());      // see FoodDatabase::addUserFoods
//   if (!table.skipped().empty()) tell(table.skippedNotice());
//   table.add(food); FileIo::Result saved = table.save(folder / UserFoodTable::FileName);
class UserFoodTable
{
public:
    static constexpr std::string_view FileName = "myfoods.tsv";
    // Larger files are not read: far more than anyone types.
    static constexpr std::uintmax_t MaxBytes = 16u * 1024 * 1024;

    using SkippedLine = TableFile::SkippedLine;

    // Reads the file. A missing file is an empty table and a success; a file that cannot be read
    // leaves the table empty and says why.
    FileIo::Result load(const std::filesystem::path &file);
    // Replaces the table by the text's lines.
    void parse(std::string_view text);
    // Writes the table as text() through FileIo (a whole-file rewrite). Refused, with the same
    // problem, after a load that found the file but could not read it.
    [[nodiscard]] FileIo::Result save(const std::filesystem::path &file) const;
    // The file's content: the lines as read, with the foods added or edited since in the
    // format's own words. A new table starts with a comment that explains the columns.
    std::string text() const;

    // The foods in file order.
    std::vector<FoodTableEntry> foods() const;
    int foodCount() const;
    // The food of that name (A to Z as lower case), or nullptr.
    const FoodTableEntry *find(std::string_view name) const;
    // What the foods were and are, in file order: those edited or removed with the day they
    // ended, the foods as they are now without one (UserFoodHistory::InForce picks one).
    std::vector<UserFoodHistory::Definition> definitions() const;

    // False with the reason in user words when the food cannot be stored as it is (no name, a
    // name in use, a tab or line break in a name, more than ten units, ...). A new food goes in
    // before the first food that sorts after it, so a sorted file stays sorted.
    bool add(const FoodTableEntry &food, std::string *why = nullptr);
    // Replaces the food called `name`; the new name may differ but not be another food's. The
    // food as it was is kept, ended today, when its name or a nutrient changes.
    bool edit(std::string_view name, const FoodTableEntry &food, std::string *why = nullptr);
    // Removes the food; it is kept as it was, ended today.
    bool remove(std::string_view name);
    // Adds, at the end, the earlier definitions `other` keeps that this table does not: a join of
    // two tables loses none of them.
    void addPastOf(const UserFoodTable &other);

    const std::vector<SkippedLine> &skipped() const { return m_skipped; }
    // For the notice bar, empty when nothing was skipped: "Skipped line 7 of myfoods.tsv: it has
    // 9 fields, not 12 or more", with " (and 2 more lines)" when there were more.
    std::string skippedNotice() const;

    // The foods as database records (FoodDatabaseWriter::recordBytes), in file order.
    std::vector<std::vector<std::uint8_t>> records() const;

    // Nutrients as typed, in the table's order; 0 or less for none.
    using TypedNutrients = std::array<double, FoodFormat::NutrientCount>;
    // Values typed for a serving of `servingAmount` grams (mL) as values per 100 g (100 mL):
    // each times 100 divided by the serving. Nothing for a serving that is not above 0.
    static std::optional<TypedNutrients> per100FromServing(const TypedNutrients &perServing,
                                                           double servingAmount);
    // Values per 100 g as FoodTableEntry keeps them: per gram, 0 for none or not a number.
    static FoodFormat::Nutrients perGramFromPer100(const TypedNutrients &per100);

    // A food's line, without its line break.
    static std::string formatLine(const FoodTableEntry &food);
    // Its "#+" line of nutrients beyond the ten, without its line break; empty when it has none.
    static std::string formatMoreLine(const FoodTableEntry &food);
    // Those nutrients as "\tkey=amount" fields per 100 g; empty when it has none.
    static std::string moreFields(const FoodTableEntry &food);
    // A "#+" line after its prefix: the name and the nutrients; false with the reason in user
    // words when some field is wrong.
    static bool parseMoreLine(std::string_view text, std::string &name, FoodNutrients &more,
                              std::string &error);
    // Every nutrient the food knows, per gram: the ten that are not 0, and its more.
    static FoodNutrients nutrientsOf(const FoodTableEntry &food);

private:
    struct Line
    {
        std::string text; // as read; empty for a food added or edited since
        std::optional<FoodTableEntry> food;
        std::string moreOf; // a "#+" line read into the food of this name: it goes with it
        std::optional<UserFoodHistory::Definition> past;
    };

    int indexOf(std::string_view name) const;
    void readMoreLines(const std::vector<std::pair<std::size_t, int>> &lines);
    void eraseMoreOf(std::string_view name);
    bool check(const FoodTableEntry &food, int replacing, std::string *why) const;
    void insertSorted(const FoodTableEntry &food);
    static Line pastLine(const FoodTableEntry &food);

    std::vector<Line> m_lines;
    std::vector<SkippedLine> m_skipped;
    bool m_fromFile = false; // a new table gets the header comment
    FileIo::Problem m_unreadable = FileIo::Problem::None;
};
