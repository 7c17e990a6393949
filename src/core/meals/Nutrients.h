// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The ten nutrients, in the order the food database, the day file and the panel all use.
namespace Nutrient {
enum Index : int {
    Calories = 0,
    Carbohydrates,
    Fat,
    Protein,
    Fiber,
    Calcium,
    Sodium,
    SaturatedFat,
    Cholesterol,
    Sugars,
    Count
};
} // namespace Nutrient

using Nutrients = std::array<float, Nutrient::Count>;
