// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <string>
#include <string_view>

// What a portion of a food contains, and the meal entry that logs it.
namespace Portion {

// A unit whose factor is 0 or below counts as one gram (millilitre) per unit.
inline float EffectiveFactor(float factor)
{
    return factor > 0.0f ? factor : 1.0f;
}

// amount x value x factor for each nutrient, multiplied in that order.
Nutrients Contents(const Nutrients &perGram, double amount, float factor);

// The entry Add logs: the per-gram values as the food holds them, not multiplied.
MealEntry MakeEntry(std::string_view name, const Nutrients &perGram, float factor, double amount,
                    std::string_view unit);

} // namespace Portion
