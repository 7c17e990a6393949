// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <optional>
#include <string_view>

// Energy logged without a food, with carbohydrates, fat and protein if the user knows them.
//
// The entry is one "serving" of one gram whose per-gram values are the typed values, so what it
// adds to the day is exactly what was typed (value x 1 x 1), and an amount edited in the meal
// list scales every value, as for a food. Its name is the same in every language, so a day file
// reads the same whatever language wrote it.
namespace QuickAdd {

inline constexpr std::string_view Name = "Quick add";
inline constexpr std::string_view Unit = "serving";

struct Values
{
    double calories = 0.0;
    double carbohydrates = 0.0;
    double fat = 0.0;
    double protein = 0.0;
};

// The entry for the values; nothing when the calories are not above 0, or a value is negative
// or more than a day file can hold.
std::optional<MealEntry> MakeEntry(const Values &values);

} // namespace QuickAdd
