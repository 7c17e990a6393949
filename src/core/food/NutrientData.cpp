// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/NutrientData.h"

#include "food/FoodFormat.h"
#include "food/NutrientFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Reads one record's amounts; false when they do not fill [p, end) exactly.
bool readRecord(const std::uint8_t *p, const std::uint8_t *end, FoodNutrients *out)
{
    using namespace NutrientFormat;
    if (end - p < std::ptrdiff_t(MaskBytes))
        return false;
    const std::uint8_t *mask = p;
    p += MaskBytes;
    for (int id = 0; id < NutrientCatalogue::Count; ++id) {
        if (!(mask[id / 8] & (1u << (id % 8))))
            continue;
        if (end - p < 2)
            return false;
        const std::uint16_t code = FoodFormat::readLe16(p);
        p += 2;
        float perGram = 0.0f;
        if (code == EscapeCode) {
            if (end - p < 4)
                return false;
            perGram = FoodFormat::readLeFloat(p);
            p += 4;
            if (!std::isfinite(perGram) || perGram < 0.0f)
                return false;
        } else if (!decodeDecimal(code, perGram)) {
            return false;
        }
        if (out)
            out->set(id, perGram);
    }
    // Bits past the last nutrient stay clear, so a table for more nutrients is never half read.
    for (int bit = NutrientCatalogue::Count; bit < int(8 * MaskBytes); ++bit) {
        if (mask[bit / 8] & (1u << (bit % 8)))
            return false;
    }
    return p == end;
}

} // namespace

bool NutrientData::load(std::span<const std::uint8_t> bytes)
{
    using namespace NutrientFormat;
    clear();
    if (bytes.size() < HeaderSize + 4 ||
        bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max()) ||
        !std::equal(Magic.begin(), Magic.end(), bytes.begin()) || bytes[4] != Version ||
        bytes[5] != NutrientCatalogue::Count)
        return false;
    const std::uint8_t *data = bytes.data();
    const std::size_t count = FoodFormat::readLe32(data + 8);
    if (count > (bytes.size() - HeaderSize) / 4 - 1)
        return false;
    const std::size_t tableEnd = HeaderSize + 4 * (count + 1);
    std::size_t previous = tableEnd;
    if (FoodFormat::readLe32(data + HeaderSize) != tableEnd)
        return false;
    for (std::size_t i = 1; i <= count; ++i) {
        const std::size_t offset = FoodFormat::readLe32(data + HeaderSize + 4 * i);
        if (offset < previous || offset > bytes.size() ||
            !readRecord(data + previous, data + offset, nullptr))
            return false;
        previous = offset;
    }
    if (previous != bytes.size())
        return false;
    m_bytes = bytes;
    m_count = int(count);
    return true;
}

FoodNutrients NutrientData::food(int shippedIndex) const
{
    FoodNutrients nutrients;
    if (shippedIndex < 0 || shippedIndex >= m_count)
        return nutrients;
    const std::uint8_t *offsets = m_bytes.data() + NutrientFormat::HeaderSize;
    const std::size_t begin = FoodFormat::readLe32(offsets + 4 * std::size_t(shippedIndex));
    const std::size_t end = FoodFormat::readLe32(offsets + 4 * std::size_t(shippedIndex + 1));
    readRecord(m_bytes.data() + begin, m_bytes.data() + end, &nutrients); // checked by load()
    return nutrients;
}
