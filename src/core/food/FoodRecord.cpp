// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodRecord.h"

#include <cstring>

namespace {

constexpr unsigned ValueBits = (1u << FoodFormat::NutrientCount) - 1;

// Set bits of a ten-bit mask, without relying on a popcount instruction.
int valueCount(unsigned mask)
{
    static constexpr std::uint8_t perNibble[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
    return perNibble[mask & 15] + perNibble[mask >> 4 & 15] + perNibble[mask >> 8 & 3];
}

} // namespace

const std::uint8_t *NutrientBlockEnd(const std::uint8_t *block, const std::uint8_t *end)
{
    if (block == nullptr || end == nullptr || end - block < 2)
        return nullptr;
    const unsigned mask = FoodFormat::readLe16(block) & ValueBits;
    const std::uint8_t *header = block + 2 + 4 * valueCount(mask);
    return header <= end ? header : nullptr;
}

const std::uint8_t *ReadNutrientBlock(const std::uint8_t *block, const std::uint8_t *end,
                                      FoodFormat::Nutrients &values)
{
    values.fill(0.0f);
    const std::uint8_t *header = NutrientBlockEnd(block, end);
    if (header == nullptr)
        return nullptr;
    const unsigned mask = FoodFormat::readLe16(block) & ValueBits;
    const std::uint8_t *position = block + 2;
    for (int k = 0; k < FoodFormat::NutrientCount; ++k) {
        if (mask & (1u << k)) {
            values[std::size_t(k)] = FoodFormat::readLeFloat(position);
            position += 4;
        }
    }
    return header;
}

FoodRecord::FoodRecord(const std::uint8_t *begin, const std::uint8_t *end)
{
    if (begin != nullptr && end != nullptr && begin < end) {
        m_begin = begin;
        m_end = end;
    }
}

std::string_view FoodRecord::name() const
{
    if (isNull())
        return {};
    const void *zero = std::memchr(m_begin, 0, std::size_t(m_end - m_begin));
    const auto *nameEnd = zero ? static_cast<const std::uint8_t *>(zero) : m_end;
    return {reinterpret_cast<const char *>(m_begin), std::size_t(nameEnd - m_begin)};
}

const std::uint8_t *FoodRecord::nutrientBlock() const
{
    if (isNull())
        return nullptr;
    const void *zero = std::memchr(m_begin, 0, std::size_t(m_end - m_begin));
    return zero ? static_cast<const std::uint8_t *>(zero) + 1 : nullptr;
}

const std::uint8_t *FoodRecord::nutrients(FoodFormat::Nutrients &values) const
{
    return ReadNutrientBlock(nutrientBlock(), m_end, values);
}

FoodFormat::Nutrients FoodRecord::nutrients() const
{
    FoodFormat::Nutrients values;
    nutrients(values);
    return values;
}

FoodUnits FoodRecord::units() const
{
    FoodFormat::Nutrients values;
    return UnitBlockReader::readAll(nutrients(values), m_end);
}
