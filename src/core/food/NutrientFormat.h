// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/NutrientCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The stored layout of the nutrient side table (resource DB 139), shared by its reader and by the
// tool that writes it. Little-endian throughout:
//
//   "CNUT", version (1 byte), nutrient count (1 byte), 2 zero bytes, food count F (4 bytes),
//   F + 1 offsets (4 bytes each, from the start of the data, rising),
//   F records, food i from offset i to offset i + 1: a mask of the known nutrients (bit id % 8 of
//   byte id / 8), then one amount for each known nutrient, in id order.
//
// An amount is a 16-bit code m * 10^(e - 4) per 100 g (m below 8192 in the low 13 bits, e from 0
// to 6 in the high three), which holds almost every value of the source in two bytes; or the code
// EscapeCode followed by the amount per gram as a 32-bit float. Either reads back as the very
// float the food table's text gives.
namespace NutrientFormat {

inline constexpr std::array<std::uint8_t, 4> Magic = {'C', 'N', 'U', 'T'};
inline constexpr std::uint8_t Version = 1;
inline constexpr std::size_t HeaderSize = 12;
inline constexpr std::size_t MaskBytes = (NutrientCatalogue::Count + 7) / 8;

inline constexpr std::uint16_t EscapeCode = 0xffff;
inline constexpr int MantissaBits = 13;
inline constexpr std::uint16_t MantissaLimit = 1u << MantissaBits;
inline constexpr int LowestExponent = -4;
inline constexpr int ExponentCodes = 7; // code 7 is kept for EscapeCode

// The amount per gram a decimal code stands for; false for a code that is neither decimal nor
// the escape.
inline bool decodeDecimal(std::uint16_t code, float &perGram)
{
    constexpr double Powers[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const int e = code >> MantissaBits;
    if (e >= ExponentCodes)
        return false;
    const int exponent = e + LowestExponent;
    const double mantissa = double(code & (MantissaLimit - 1));
    // Dividing exact integers rounds once, as reading the decimal text does.
    const double per100 = exponent < 0 ? mantissa / Powers[-exponent] : mantissa * Powers[exponent];
    perGram = float(per100 / 100.0);
    return true;
}

} // namespace NutrientFormat
