// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "food/FoodDatabase.h"
#include "food/NutrientData.h"
#include "goals/NutrientGoals.h"
#include "meals/MealEntry.h"
#include "nutrition/NutrientLookup.h"
#include "nutrition/NutrientTotals.h"
#include "nutrition/PersonalTargets.h"
#include "nutrition/ReferenceIntakes.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class DayStore;

// Every nutrient of the food data on the command line: day --all and report.
namespace NutritionCommands {

struct Streams
{
    std::ostream &out;
    std::ostream &err;
};

struct Foods
{
    const FoodDatabase &database;
    std::span<const std::uint8_t> nutrientTable; // the side table built into the program
    NutrientLookup::OwnFoods ownFoods; // NutrientLookup::ownFoodsOf the user's table
    const RecipeBook *recipes = nullptr; // the user's recipes, when read
};

// The side table and the lookup on it, the user's own foods plugged in; without the table
// shipped foods keep their ten, which is said on `err`.
class Lookup
{
public:
    Lookup(const Foods &foods, std::ostream &err);
    const NutrientLookup &get() const { return m_lookup; }

private:
    NutrientData m_data;
    NutrientLookup m_lookup;
};

// Whom the targets are for, and the targets the person set over that person's.
struct Targets
{
    std::optional<ReferenceIntakes::Profile> profile;
    PersonalTargets own;
    NutrientGoals goals; // the panel's ten, as set in the window
    bool addBurned = false; // the day's burned calories raise its calorie goal
};

// The person and targets kept in the diary's settings, as the window sets them; `given` (--sex
// and --age) in place of the stored person. A settings file that cannot be read is said on err.
Targets StoredTargets(const std::filesystem::path &diaryFolder,
                      const std::optional<ReferenceIntakes::Profile> &given, std::ostream &err);

// Every catalogue nutrient of the entries, by group, with their targets.
// Says on err when the side table cannot be used.
void PrintDay(const std::vector<MealEntry> &entries, const DayFiles::LocalDate &day,
              const Foods &foods, const Targets &targets, const Streams &streams);

// The catalogue by group, each with its amount (the day's, or per logged day), how much of
// the calories it is known for and its targets; `calories` names what coverage is a share of.
void PrintGroups(std::ostream &out, const NutrientTotals &totals, bool perDay,
                 const Targets &targets, std::string_view calories);
// One nutrient per logged day with its targets, as a JSON object.
std::string JsonNutrient(const NutrientInfo &info, const NutrientTotals &totals,
                         const Targets &targets);

// JSON of the hand-written kind: strings escaped, numbers finite and in a full-stop notation
// without trailing zeros (46, 0.9).
std::string JsonString(std::string_view text);
std::string PlainNumber(double value, int decimals = 4);

} // namespace NutritionCommands
