// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodDatabaseWriter.h"

#include <bit>

namespace {

void appendLe32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

void appendBe32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void appendText(std::vector<std::uint8_t> &out, const std::string &text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

} // namespace

std::vector<std::uint8_t> FoodDatabaseWriter::recordBytes(const FoodTableEntry &food)
{
    std::vector<std::uint8_t> record;
    appendText(record, food.name);
    unsigned mask = 0;
    for (int k = 0; k < FoodFormat::NutrientCount; ++k) {
        if (food.nutrients[std::size_t(k)] != 0.0f)
            mask |= 1u << k;
    }
    record.push_back(std::uint8_t(mask));
    record.push_back(std::uint8_t(mask >> 8));
    for (int k = 0; k < FoodFormat::NutrientCount; ++k) {
        if (mask & (1u << k))
            appendLe32(record, std::bit_cast<std::uint32_t>(food.nutrients[std::size_t(k)]));
    }
    const std::size_t units = std::min<std::size_t>(food.units.size(), FoodFormat::MaxStoredUnits);
    record.push_back(std::uint8_t(food.pairKind << 4 | int(units)));
    for (std::size_t i = 0; i < units; ++i) {
        appendBe32(record, std::bit_cast<std::uint32_t>(food.units[i].factor));
        appendText(record, food.units[i].name);
    }
    return record;
}

void FoodDatabaseWriter::addRecord(std::vector<std::uint8_t> record)
{
    m_recordBytes += record.size();
    m_records.push_back(std::move(record));
}

std::vector<std::uint8_t> FoodDatabaseWriter::decodedBytes(std::size_t padTo) const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::max(size(), padTo));
    std::size_t offset = 4 * m_records.size();
    for (const auto &record : m_records) {
        appendLe32(bytes, std::uint32_t(offset));
        offset += record.size();
    }
    for (const auto &record : m_records)
        bytes.insert(bytes.end(), record.begin(), record.end());
    if (bytes.size() < padTo)
        bytes.resize(padTo, 0);
    return bytes;
}
