// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodTable.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Lays records out as the program reads them: the offset table, then the records in order.
class FoodDatabaseWriter
{
public:
    // The record of a food: name, zero, nutrient mask and the values that are not 0, the unit
    // header, then each unit's big-endian factor and zero-terminated name.
    static std::vector<std::uint8_t> recordBytes(const FoodTableEntry &food);

    void addFood(const FoodTableEntry &food) { addRecord(recordBytes(food)); }
    // Any bytes as one record, for databases the table cannot express.
    void addRecord(std::vector<std::uint8_t> record);

    int recordCount() const { return int(m_records.size()); }
    // The decoded size so far.
    std::size_t size() const { return 4 * m_records.size() + m_recordBytes; }

    // The decoded database, followed by zero bytes up to padTo.
    std::vector<std::uint8_t> decodedBytes(std::size_t padTo = 0) const;

private:
    std::vector<std::vector<std::uint8_t>> m_records;
    std::size_t m_recordBytes = 0;
};
