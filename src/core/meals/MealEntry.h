// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/Nutrients.h"

#include <limits>
#include <string>

// An amount that can be logged: a finite number above zero that the day file's float can hold.
// Anything else (no number, zero, a negative that would subtract from the day, infinity, an
// amount so small that its float is 0 or loses its precision) is not added and not stored by an
// edit.
inline bool IsStorableAmount(double amount)
{
    return amount >= double(std::numeric_limits<float>::min()) &&
        amount <= double(std::numeric_limits<float>::max());
}

// The most a user may type as an amount, in any unit: more is a slip of the keyboard. Stored
// files are read without this limit.
inline constexpr double MaxTypedAmount = 100000.0;
inline bool IsTypedAmount(double amount)
{
    return IsStorableAmount(amount) && amount <= MaxTypedAmount;
}

// One logged portion of a day. Texts are 8-bit, as in the food database.
struct MealEntry
{
    int listIndex = -1; // row in the meal list; not stored in the file
    bool ticked = false; // not stored in the file
    std::string name;
    Nutrients nutrients {}; // per gram (per millilitre for foods measured by volume)
    float gramsPerUnit = 0.0f;
    float amount = 0.0f;
    std::string unit;

    // What the entry adds to nutrient k, in single precision as the totals are kept.
    float contribution(int k) const { return nutrients[k] * amount * gramsPerUnit; }
    Nutrients contributions() const
    {
        Nutrients out {};
        for (int k = 0; k < Nutrient::Count; ++k)
            out[k] = contribution(k);
        return out;
    }
};
