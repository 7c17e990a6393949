// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/Nutrients.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The stored layout of the food database, shared by its readers and by the tool that writes it.
// Offsets and nutrient values are little-endian; unit factors are big-endian.
namespace FoodFormat {

// Amounts in one gram of the food (one millilitre for foods measured by volume).
inline constexpr int NutrientCount = Nutrient::Count;
using Nutrients = ::Nutrients;

inline constexpr std::size_t TableSize = 256;

inline constexpr int MaxStoredUnits = 15; // the count has four bits
inline constexpr int ReadUnitLimit = 10; // units past the tenth are never read
inline constexpr int MaxUnits = ReadUnitLimit + 2; // room for the standard pair as well

// High four bits of the unit header.
inline constexpr int NoPair = 0;
inline constexpr int WeightPair = 5;
inline constexpr int VolumePair = 6;

// Both ounces use the one factor.
inline constexpr float OunceFactor = 28.4f;
inline constexpr std::string_view WeightPairNames[2] = {"oz", "g"};
inline constexpr std::string_view VolumePairNames[2] = {"fl.oz", "mL"};

inline std::uint16_t readLe16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t readLe32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
        std::uint32_t(p[3]) << 24;
}

inline std::uint32_t readBe32(const std::uint8_t *p)
{
    return std::uint32_t(p[3]) | std::uint32_t(p[2]) << 8 | std::uint32_t(p[1]) << 16 |
        std::uint32_t(p[0]) << 24;
}

inline float readLeFloat(const std::uint8_t *p)
{
    return std::bit_cast<float>(readLe32(p));
}

inline float readBeFloat(const std::uint8_t *p)
{
    return std::bit_cast<float>(readBe32(p));
}

inline constexpr std::uint8_t lowerAscii(std::uint8_t c)
{
    return c >= 'A' && c <= 'Z' ? std::uint8_t(c + ('a' - 'A')) : c;
}

// Equal but for the case of A to Z, as unit names are compared.
inline constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(std::uint8_t(a[i])) != lowerAscii(std::uint8_t(b[i])))
            return false;
    return true;
}

} // namespace FoodFormat
