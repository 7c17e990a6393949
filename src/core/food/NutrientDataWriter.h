// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodNutrients.h"

#include <cstdint>
#include <vector>

// Lays the nutrient side table out as NutrientData reads it (NutrientFormat.h), one food after
// another in the food database's order.
class NutrientDataWriter
{
public:
    void addFood(const FoodNutrients &food);

    int foodCount() const { return int(m_offsets.size()); }
    std::vector<std::uint8_t> bytes() const;

    // The shortest code that reads back as exactly the amount, followed by nothing or the float.
    static void appendAmount(std::vector<std::uint8_t> &out, float perGram);

private:
    std::vector<std::uint32_t> m_offsets; // of each record within m_records
    std::vector<std::uint8_t> m_records;
};
