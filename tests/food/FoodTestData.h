// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodDatabase.h"
#include "food/FoodDatabaseWriter.h"
#include "food/FoodTable.h"
#include "food/SubstitutionTable.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

// Builders for food databases with exactly the bytes a test needs.
namespace FoodTestData {

// Record bytes written field by field, for layouts the table cannot express.
class RecordBytes
{
public:
    RecordBytes &text(std::string_view value)
    {
        m_bytes.insert(m_bytes.end(), value.begin(), value.end());
        m_bytes.push_back(0);
        return *this;
    }
    // Bytes without a terminating zero.
    RecordBytes &raw(std::string_view value)
    {
        m_bytes.insert(m_bytes.end(), value.begin(), value.end());
        return *this;
    }
    RecordBytes &byte(std::uint8_t value)
    {
        m_bytes.push_back(value);
        return *this;
    }
    RecordBytes &le16(std::uint16_t value) { return byte(std::uint8_t(value)).byte(value >> 8); }
    RecordBytes &leFloat(float value)
    {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            byte(std::uint8_t(bits >> shift));
        return *this;
    }
    RecordBytes &beFloat(float value)
    {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (int shift = 24; shift >= 0; shift -= 8)
            byte(std::uint8_t(bits >> shift));
        return *this;
    }
    std::vector<std::uint8_t> bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

inline FoodTableEntry food(std::string name, int pairKind = FoodFormat::WeightPair,
                           FoodFormat::Nutrients nutrients = {},
                           std::vector<FoodTableUnit> units = {})
{
    FoodTableEntry entry;
    entry.name = std::move(name);
    entry.pairKind = pairKind;
    entry.nutrients = nutrients;
    entry.units = std::move(units);
    return entry;
}

inline std::vector<std::uint8_t> decodedDatabase(const std::vector<FoodTableEntry> &foods)
{
    FoodDatabaseWriter writer;
    for (const auto &entry : foods)
        writer.addFood(entry);
    return writer.decodedBytes();
}

inline std::vector<std::uint8_t>
decodedDatabase(const std::vector<std::vector<std::uint8_t>> &records)
{
    FoodDatabaseWriter writer;
    for (const auto &record : records)
        writer.addRecord(record);
    return writer.decodedBytes();
}

// Stores the decoded bytes through the shipped table and loads them.
inline bool loadDecoded(FoodDatabase &database, const std::vector<std::uint8_t> &decoded)
{
    const SubstitutionTable::Table table = SubstitutionTable::fixedTable();
    const std::vector<std::uint8_t> stored = SubstitutionTable::encode(decoded, table);
    return database.load(stored, table);
}

inline bool loadFoods(FoodDatabase &database, const std::vector<FoodTableEntry> &foods)
{
    return loadDecoded(database, decodedDatabase(foods));
}

} // namespace FoodTestData
