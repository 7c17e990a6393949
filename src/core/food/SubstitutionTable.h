// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Decodes bytes in place: every byte b becomes table[b]. Leaves the bytes unchanged and returns
// false unless the table has exactly 256 entries.
bool ApplySubstitutionTable(std::span<std::uint8_t> bytes, std::span<const std::uint8_t> table);

namespace SubstitutionTable {

using Table = std::array<std::uint8_t, FoodFormat::TableSize>;

// The table the program ships: a permutation that is the same on every build.
Table fixedTable();

bool isPermutation(std::span<const std::uint8_t> table);

// The stored form of decoded bytes: each byte d becomes the s with table[s] == d. Empty when
// the table is not a permutation of 256 bytes.
std::vector<std::uint8_t> encode(std::span<const std::uint8_t> decoded,
                                 std::span<const std::uint8_t> table);

} // namespace SubstitutionTable
