// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "food/FoodTable.h"
#include "meals/Nutrients.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the user's own foods were before they were edited or removed, so that a day logged
// before keeps the nutrients its food had then. In "myfoods.tsv" a line of its own ahead of the
// food, oldest first:
//   #< | the day the next definition took effect (YYYY-MM-DD) | name | g or ml | the ten per
//   100 g ("-" for none) | "key=amount" per 100 g for each other nutrient known
// Older programs take it for a comment and keep it as it is.
namespace UserFoodHistory {

using Day = DayFiles::LocalDate;

inline constexpr std::string_view Prefix = "#<\t";

struct Definition
{
    FoodTableEntry food; // no units: they do not change what a logged gram gives
    std::optional<Day> until; // the first day it was no longer in force; none for the food now
};

// The line of a definition that ended on `until`, without its line break.
std::string FormatLine(const FoodTableEntry &food, const Day &until);
// A line that starts with Prefix; false with the reason in user words when it is not one.
bool ParseLine(std::string_view line, Definition &definition, std::string &error);

// Whether an edit from `before` to `after` changes what a day logged with it finds: its name
// (days name their food) or any nutrient.
bool Changes(const FoodTableEntry &before, const FoodTableEntry &after);

// Of the definitions of one name, in file order, the one a day's entry was logged with: among
// those whose ten per gram the entry stores (all when none does), the one in force on the day
// (the earliest that ended after it, else the latest); without a day the latest. nullptr for
// none.
const Definition *InForce(const std::vector<Definition> &ofOneName, const std::optional<Day> &day,
                          const Nutrients *stored = nullptr);

} // namespace UserFoodHistory
