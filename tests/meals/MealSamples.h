// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <string>

// Entries for the meal tests, told apart by name and amount.
inline MealEntry sampleEntry(std::string name, float amount, std::string unit = "g",
                             float gramsPerUnit = 1.0f)
{
    MealEntry entry;
    entry.name = std::move(name);
    entry.unit = std::move(unit);
    entry.amount = amount;
    entry.gramsPerUnit = gramsPerUnit;
    for (int k = 0; k < Nutrient::Count; ++k)
        entry.nutrients[k] = 0.25f * float(k + 1) + float(entry.name.size());
    return entry;
}

inline bool sameStoredFields(const MealEntry &a, const MealEntry &b)
{
    return a.name == b.name && a.unit == b.unit && a.nutrients == b.nutrients &&
        a.gramsPerUnit == b.gramsPerUnit && a.amount == b.amount;
}
