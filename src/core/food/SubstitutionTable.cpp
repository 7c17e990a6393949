// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/SubstitutionTable.h"

#include <cstring>
#include <numeric>

bool ApplySubstitutionTable(std::span<std::uint8_t> bytes, std::span<const std::uint8_t> table)
{
    if (table.size() != FoodFormat::TableSize)
        return false;
    // A local copy: the compiler then knows the stores cannot change the table.
    std::uint8_t map[FoodFormat::TableSize];
    std::memcpy(map, table.data(), sizeof map);
    for (std::uint8_t &byte : bytes)
        byte = map[byte];
    return true;
}

namespace SubstitutionTable {

Table fixedTable()
{
    // Fisher-Yates driven by splitmix64 from a fixed seed: the same bytes on every platform.
    Table table;
    std::iota(table.begin(), table.end(), std::uint8_t(0));
    std::uint64_t state = 0x436f7276616c6f31ull;
    const auto nextRandom = [&state] {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    };
    for (std::size_t i = table.size() - 1; i > 0; --i) {
        const std::size_t j = std::size_t(nextRandom() % (i + 1));
        std::swap(table[i], table[j]);
    }
    return table;
}

bool isPermutation(std::span<const std::uint8_t> table)
{
    if (table.size() != FoodFormat::TableSize)
        return false;
    bool seen[FoodFormat::TableSize] = {};
    for (std::uint8_t value : table) {
        if (seen[value])
            return false;
        seen[value] = true;
    }
    return true;
}

std::vector<std::uint8_t> encode(std::span<const std::uint8_t> decoded,
                                 std::span<const std::uint8_t> table)
{
    if (!isPermutation(table))
        return {};
    std::uint8_t inverse[FoodFormat::TableSize];
    for (std::size_t s = 0; s < FoodFormat::TableSize; ++s)
        inverse[table[s]] = std::uint8_t(s);
    std::vector<std::uint8_t> stored(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i)
        stored[i] = inverse[decoded[i]];
    return stored;
}

} // namespace SubstitutionTable
