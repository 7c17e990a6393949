// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodDatabase.h"

#include "food/FoodTable.h"
#include "food/UnitBlockReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

bool FoodDatabase::load(std::span<const std::uint8_t> stored, std::span<const std::uint8_t> table)
{
    clear();
    if (stored.empty() || stored.size() > std::size_t(std::numeric_limits<std::int32_t>::max()) ||
        table.size() != FoodFormat::TableSize)
        return false;

    const std::size_t size = stored.size();
    // The room is never touched unless the user's foods go in, so it costs no memory until then.
    const std::size_t capacity = size + UserFoodRoom;
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[capacity]);
    std::unique_ptr<char[]> copy(new (std::nothrow) char[capacity]);
    if (!buffer || !copy)
        return false;
    // One table pass from the stored bytes (the program's own resource, read in place) into the
    // buffer, then a plain copy at memory speed for the search copy.
    std::uint8_t map[FoodFormat::TableSize];
    std::memcpy(map, table.data(), sizeof map);
    const std::uint8_t *from = stored.data();
    std::uint8_t *to = buffer.get();
    for (std::size_t i = 0; i < size; ++i)
        to[i] = map[from[i]];
    std::memcpy(copy.get(), buffer.get(), size);

    m_buffer = std::move(buffer);
    m_searchCopy = std::move(copy);
    m_capacity = capacity;
    m_size = int(size);
    if (size >= 4)
        m_declared = int(std::min<std::uint32_t>(FoodFormat::readLe32(m_buffer.get()),
                                                 std::numeric_limits<std::int32_t>::max()) /
                         4);

    const int offsets = soundOffsetCount();
    int count = 0;
    while (count < offsets) {
        const std::size_t end = count + 1 < offsets ? recordOffset(count + 1) : size;
        if (!indexRecord(recordOffset(count), end))
            break;
        ++count;
    }
    m_count = count;
    m_recordsEnd = count < offsets ? recordOffset(count) : size;
    return size >= 4 && count == m_declared;
}

void FoodDatabase::clear()
{
    ++m_generation;
    m_buffer.reset();
    m_searchCopy.reset();
    m_size = 0;
    m_count = 0;
    m_declared = 0;
    m_recordsEnd = 0;
    m_capacity = 0;
    m_userFoods.clear();
}

// How many offsets, from the first, rise and point inside the buffer past the offset table.
int FoodDatabase::soundOffsetCount() const
{
    // The first offset is at least 4 * m_declared, so once it is inside the buffer the whole
    // offset table is too.
    std::size_t previous = 0;
    for (int i = 0; i < m_declared; ++i) {
        const std::size_t offset = recordOffset(i);
        if (offset >= std::size_t(m_size) || (i > 0 && offset <= previous))
            return i;
        previous = offset;
    }
    return m_declared;
}

namespace {

// Copies text with A to Z lowered, eight bytes at a time where it can.
void copyLowered(const std::uint8_t *from, std::size_t length, char *to)
{
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t highBits = 0x80 * ones;
    std::size_t j = 0;
    for (; j + 8 <= length; j += 8) {
        std::uint64_t word;
        std::memcpy(&word, from + j, 8);
        // Per byte, without carries between bytes: high bit set where the byte is 'A' to 'Z'.
        const std::uint64_t low7 = word & ~highBits;
        const std::uint64_t aboveZ = low7 + (0x7f - 'Z') * ones;
        const std::uint64_t fromA = low7 + (0x80 - 'A') * ones;
        const std::uint64_t upper = (fromA ^ aboveZ) & ~word & highBits;
        word |= upper >> 2; // 0x80 >> 2 is the case bit 0x20
        std::memcpy(to + j, &word, 8);
    }
    for (; j < length; ++j)
        to[j] = char(FoodFormat::lowerAscii(from[j]));
}

// The name's terminating zero when the record in [record, end) can be read whole, else nullptr.
const std::uint8_t *wholeRecordNameEnd(const std::uint8_t *record, const std::uint8_t *end)
{
    const void *zero = std::memchr(record, 0, std::size_t(end - record));
    if (zero == nullptr)
        return nullptr;
    const auto *nameEnd = static_cast<const std::uint8_t *>(zero);
    const std::uint8_t *header = NutrientBlockEnd(nameEnd + 1, end);
    return UnitBlockReader::blockEnd(header, end) == nullptr ? nullptr : nameEnd;
}

void writeLe32(std::uint8_t *p, std::size_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(value >> (8 * i));
}

} // namespace

// Checks that the record in [begin, end) can be read whole, and writes its search text.
bool FoodDatabase::indexRecord(std::size_t begin, std::size_t end)
{
    const std::uint8_t *record = m_buffer.get() + begin;
    const std::uint8_t *nameEnd = wholeRecordNameEnd(record, m_buffer.get() + end);
    if (nameEnd == nullptr)
        return false;

    // Space, name, zero: the name's bytes plus two, which the nutrient mask guarantees fit.
    char *text = m_searchCopy.get() + begin;
    const std::size_t length = std::size_t(nameEnd - record);
    text[0] = ' ';
    copyLowered(record, length, text + 1);
    text[length + 1] = '\0';
    return true;
}

FoodRecord FoodDatabase::record(int index) const
{
    if (index < 0 || index >= m_count)
        return {};
    return {m_buffer.get() + recordOffset(index), m_buffer.get() + recordEnd(index)};
}

std::string_view FoodDatabase::name(int index) const
{
    return record(index).name();
}

std::string_view FoodDatabase::searchText(int index) const
{
    if (index < 0 || index >= m_count)
        return {};
    const char *text = m_searchCopy.get() + recordOffset(index);
    return {text, std::strlen(text)}; // terminated inside the record by indexRecord
}

int FoodDatabase::addUserFoods(const std::vector<std::vector<std::uint8_t>> &records)
{
    struct Added
    {
        const std::vector<std::uint8_t> *bytes;
        std::string_view name;
        int before = 0; // the index of the first record of the database that sorts after it
    };
    std::vector<Added> added;
    std::size_t addedBytes = 0;
    for (const std::vector<std::uint8_t> &record : records) {
        const std::uint8_t *nameEnd = record.empty()
            ? nullptr
            : wholeRecordNameEnd(record.data(), record.data() + record.size());
        if (nameEnd == nullptr)
            continue;
        added.push_back({&record,
                         {reinterpret_cast<const char *>(record.data()),
                          std::size_t(nameEnd - record.data())}});
        addedBytes += record.size();
    }
    if (added.empty())
        return 0;
    std::stable_sort(added.begin(), added.end(), [](const Added &a, const Added &b) {
        return FoodTable::nameLess(a.name, b.name);
    });
    int lowest = 0;
    for (Added &food : added) {
        int first = lowest, count = m_count - lowest;
        while (count > 0) {
            const int step = count / 2;
            if (!FoodTable::nameLess(food.name, name(first + step))) {
                first += step + 1;
                count -= step + 1;
            } else {
                count = step;
            }
        }
        food.before = lowest = first;
    }

    const int total = m_count + int(added.size());
    const std::size_t tableBytes = 4 * std::size_t(total);
    const std::size_t shippedBytes = recordsEnd() - recordsBegin();
    const std::size_t size = tableBytes + shippedBytes + addedBytes;
    if (size > std::size_t(std::numeric_limits<std::int32_t>::max()) || !makeRoom(size))
        return 0;

    // Every record moves towards the end, so the merge runs in place from the last record back,
    // over memory the database already holds: no second copy of it to fault in.
    std::uint8_t *buffer = m_buffer.get();
    char *copy = m_searchCopy.get();
    std::vector<std::size_t> addedOffsets(added.size());
    std::size_t writeEnd = size;
    int movedFrom = m_count; // the database's records from here on are in place
    const auto moveFrom = [&](int first) {
        if (first >= movedFrom)
            return;
        const std::size_t from = recordOffset(first);
        const std::size_t to = movedFrom < m_count ? recordOffset(movedFrom) : m_recordsEnd;
        writeEnd -= to - from;
        std::memmove(buffer + writeEnd, buffer + from, to - from);
        std::memmove(copy + writeEnd, copy + from, to - from);
        movedFrom = first;
    };
    for (std::size_t k = added.size(); k-- > 0;) {
        moveFrom(added[k].before);
        const std::vector<std::uint8_t> &bytes = *added[k].bytes;
        writeEnd -= bytes.size();
        std::memcpy(buffer + writeEnd, bytes.data(), bytes.size());
        std::memcpy(copy + writeEnd, bytes.data(), bytes.size());
        addedOffsets[k] = writeEnd;
    }
    moveFrom(0);

    // The offset table last, as it grows over where the first records were. Backwards again: a
    // record's new index is never below its old one, whose entry is read before it is written.
    std::vector<int> userFoods;
    userFoods.reserve(m_userFoods.size() + added.size());
    auto earlierUser = m_userFoods.rbegin();
    std::size_t addedBefore = addedBytes; // bytes of the added records before the current one
    int k = int(added.size()) - 1;
    const auto writeAdded = [&](int index) {
        writeLe32(buffer + 4 * std::size_t(index), addedOffsets[std::size_t(k)]);
        userFoods.push_back(index);
        addedBefore -= added[std::size_t(k)].bytes->size();
        --k;
    };
    for (int i = m_count - 1; i >= 0; --i) {
        while (k >= 0 && added[std::size_t(k)].before > i)
            writeAdded(added[std::size_t(k)].before + k);
        const int index = i + k + 1;
        writeLe32(buffer + 4 * std::size_t(index),
                  recordOffset(i) + (tableBytes - 4 * std::size_t(m_count)) + addedBefore);
        if (earlierUser != m_userFoods.rend() && *earlierUser == i) {
            userFoods.push_back(index);
            ++earlierUser;
        }
    }
    while (k >= 0)
        writeAdded(k);
    std::reverse(userFoods.begin(), userFoods.end());

    m_size = int(size);
    m_declared += total - m_count;
    m_count = total;
    m_recordsEnd = size;
    m_userFoods = std::move(userFoods);
    ++m_generation;
    for (std::size_t i = 0; i < added.size(); ++i)
        indexRecord(addedOffsets[i], addedOffsets[i] + added[i].bytes->size());
    return int(added.size());
}

// Room for a database of `size` bytes whose records start right after the offsets of the sound
// ones: rebuilt into new memory only when there is too little, or when a damaged database's
// offset table still names records that were not loaded.
bool FoodDatabase::makeRoom(std::size_t size)
{
    const std::size_t begin = 4 * std::size_t(m_count);
    if (size <= m_capacity && recordsBegin() == begin)
        return true;
    const std::size_t capacity = size + UserFoodRoom;
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[capacity]);
    std::unique_ptr<char[]> copy(new (std::nothrow) char[capacity]);
    if (!buffer || !copy)
        return false;
    const std::size_t from = recordsBegin(), to = recordsEnd();
    for (int i = 0; i < m_count; ++i)
        writeLe32(buffer.get() + 4 * std::size_t(i), recordOffset(i) - from + begin);
    if (to > from) {
        std::memcpy(buffer.get() + begin, m_buffer.get() + from, to - from);
        std::memcpy(copy.get() + begin, m_searchCopy.get() + from, to - from);
    }
    m_buffer = std::move(buffer);
    m_searchCopy = std::move(copy);
    m_capacity = capacity;
    m_size = int(begin + (to - from));
    m_recordsEnd = std::size_t(m_size);
    m_declared = m_count;
    return true;
}

bool FoodDatabase::isUserFood(int index) const
{
    return std::binary_search(m_userFoods.begin(), m_userFoods.end(), index);
}

int FoodDatabase::shippedIndex(int index) const
{
    if (index < 0 || index >= m_count)
        return -1;
    const auto user = std::lower_bound(m_userFoods.begin(), m_userFoods.end(), index);
    if (user != m_userFoods.end() && *user == index)
        return -1;
    return index - int(user - m_userFoods.begin());
}
