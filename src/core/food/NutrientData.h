// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodNutrients.h"

#include <cstdint>
#include <span>
#include <vector>

// The nutrient side table (resource DB 139): every catalogue nutrient of each shipped food, by
// the food's index in the shipped database (FoodDatabase::shippedIndex). Read in place from the
// program's own bytes, so it costs no memory beyond the pages a look-up touches.
class NutrientData
{
public:
    // Checks the whole table: header, rising offsets inside the bytes, every record's mask and
    // amounts filling it exactly, every amount finite and not negative. The bytes are kept by
    // reference and must outlive this object. False, with nothing loaded, when any check fails.
    bool load(std::span<const std::uint8_t> bytes);
    void clear()
    {
        m_bytes = {};
        m_count = 0;
    }

    bool isLoaded() const { return !m_bytes.empty(); }
    int foodCount() const { return m_count; }

    // The food's nutrients; all unknown for an index outside the table.
    FoodNutrients food(int shippedIndex) const;

private:
    std::span<const std::uint8_t> m_bytes;
    int m_count = 0;
};
