// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"
#include "food/FoodRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// The decoded food database and its search copy, held for the whole run.
//
// The buffer starts with a table of little-endian 32-bit record offsets; the record count is
// the first offset divided by four. The search copy is the same bytes with each record's start
// rewritten as a space, its name with A to Z lowered, and a zero, so one offset table indexes
// both and a search word that starts with a space matches only at the start of a name's word.
// Nothing is kept per record.
class FoodDatabase
{
public:
    FoodDatabase() = default;
    FoodDatabase(const FoodDatabase &) = delete;
    FoodDatabase &operator=(const FoodDatabase &) = delete;
    FoodDatabase(FoodDatabase &&) noexcept = default;
    FoodDatabase &operator=(FoodDatabase &&) noexcept = default;

    // Decodes the stored bytes through the table into its own buffer, checks every record the
    // offset table names and builds the search copy. True when all of them are sound.
    //
    // The bytes are not trusted: offsets must rise and stay inside the buffer, and each record
    // (name, nutrients, readable units) must end before the next one starts. The records before
    // the first one that fails stay loaded and the result is false. No bytes, a table that is
    // not 256 bytes long, or memory that cannot be had, load nothing.
    bool load(std::span<const std::uint8_t> stored, std::span<const std::uint8_t> table);
    void clear();

    // Merges the user's own foods (records as FoodDatabaseWriter::recordBytes makes them) into
    // the loaded ones, each after the last record whose name does not sort after it (names
    // compared as FoodTable::nameLess), so the list stays alphabetical and indices, search,
    // units and portions treat them as any other food. A record that cannot be read whole is
    // left out. Returns how many went in. The records move within the memory the database holds
    // (load() leaves room for UserFoodRoom bytes of them): a few milliseconds for the shipped
    // database, and a new copy only when they need more room.
    int addUserFoods(const std::vector<std::vector<std::uint8_t>> &records);
    // Whether the food at the index is one of the user's own.
    bool isUserFood(int index) const;
    int userFoodCount() const { return int(m_userFoods.size()); }
    // The index the food had among the loaded ones before the user's own went in (the index of
    // its data in tables built beside the database); -1 for one of the user's own or an index
    // outside the records.
    int shippedIndex(int index) const;

    static constexpr std::size_t UserFoodRoom = 256 * 1024; // thousands of foods

    // Changes whenever the records do (load, clear, own foods merged in), so that what is
    // built from them knows when to build anew.
    std::uint64_t generation() const { return m_generation; }

    int size() const { return m_size; }
    int recordCount() const { return m_count; }
    // What the offset table claims, sound or not.
    int declaredCount() const { return m_declared; }
    const std::uint8_t *data() const { return m_buffer.get(); }
    const char *searchCopy() const { return m_searchCopy.get(); }

    // For 0 <= index < recordCount(): where the record starts, and where its bytes end (the
    // next record's start, or the end of the last sound record).
    std::size_t recordOffset(int index) const
    {
        return FoodFormat::readLe32(m_buffer.get() + 4 * std::size_t(index));
    }
    std::size_t recordEnd(int index) const
    {
        return index + 1 < m_count ? recordOffset(index + 1) : m_recordsEnd;
    }
    // The bytes the records occupy, search text included.
    std::size_t recordsBegin() const { return m_count > 0 ? recordOffset(0) : 0; }
    std::size_t recordsEnd() const { return m_count > 0 ? m_recordsEnd : 0; }

    // A null record for an index outside the records.
    FoodRecord record(int index) const;
    std::string_view name(int index) const;
    // The record's search text: a space, the name with A to Z lowered, without the zero.
    std::string_view searchText(int index) const;

private:
    int soundOffsetCount() const;
    bool indexRecord(std::size_t begin, std::size_t end);
    bool makeRoom(std::size_t size);

    std::unique_ptr<std::uint8_t[]> m_buffer;
    std::unique_ptr<char[]> m_searchCopy;
    int m_size = 0;
    int m_count = 0;
    int m_declared = 0;
    std::size_t m_recordsEnd = 0;
    std::size_t m_capacity = 0; // of both buffers
    std::vector<int> m_userFoods; // indices, rising
    std::uint64_t m_generation = 0;
};
