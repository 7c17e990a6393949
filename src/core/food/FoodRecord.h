// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"
#include "food/UnitBlockReader.h"

#include <cstdint>
#include <string_view>

// Clears the ten values, then reads the nutrient mask and the values its bits 0 to 9 name.
// Returns the position of the unit header, or nullptr (values all 0) when the block does not
// fit before end.
const std::uint8_t *ReadNutrientBlock(const std::uint8_t *block, const std::uint8_t *end,
                                      FoodFormat::Nutrients &values);

// The position of the unit header after the nutrient block, without reading the values; nullptr
// when the block does not fit before end.
const std::uint8_t *NutrientBlockEnd(const std::uint8_t *block, const std::uint8_t *end);

// One food, read in place from the decoded buffer [begin, end). Cheap to copy; valid while the
// database that handed it out lives. Every reader stays inside [begin, end).
class FoodRecord
{
public:
    FoodRecord() = default;
    FoodRecord(const std::uint8_t *begin, const std::uint8_t *end);

    bool isNull() const { return m_begin == nullptr; }
    const std::uint8_t *begin() const { return m_begin; }
    const std::uint8_t *end() const { return m_end; }

    // The name as stored (8-bit text), without its terminating zero.
    std::string_view name() const;
    // The byte after the name's terminating zero; nullptr when the name is not terminated.
    const std::uint8_t *nutrientBlock() const;
    // The position of the unit header, or nullptr when the nutrient block is broken.
    const std::uint8_t *nutrients(FoodFormat::Nutrients &values) const;
    FoodFormat::Nutrients nutrients() const;
    FoodUnits units() const;

private:
    const std::uint8_t *m_begin = nullptr;
    const std::uint8_t *m_end = nullptr;
};
