// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealRecord.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace MealRecord {

namespace {

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4);

std::string_view uptoZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

void putFloat(std::string &out, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// Walks the whole records of a scrambled image without copying it or reading past its end.
class Reader
{
public:
    // Where the parts of one record lie in the image.
    struct Span
    {
        std::size_t name = 0;
        std::size_t nameEnd = 0; // its zero byte
        std::size_t numbers = 0;
        std::size_t unitEnd = 0; // its zero byte
    };

    explicit Reader(std::string_view scrambled) : m_data(scrambled) { }

    std::size_t offset() const { return m_offset; }

    // The next record, or nothing when it is cut short; the offset then stays before it.
    std::optional<Span> next()
    {
        Span span;
        span.name = m_offset;
        span.nameEnd = findZero(m_offset);
        if (span.nameEnd == std::string_view::npos ||
            m_data.size() - (span.nameEnd + 1) < NumberBytes)
            return std::nullopt;
        span.numbers = span.nameEnd + 1;
        span.unitEnd = findZero(span.numbers + NumberBytes);
        if (span.unitEnd == std::string_view::npos)
            return std::nullopt;
        m_offset = span.unitEnd + 1;
        return span;
    }

    MealEntry entry(const Span &span) const
    {
        MealEntry entry;
        entry.name = text(span.name, span.nameEnd);
        for (int k = 0; k < Nutrient::Count; ++k)
            entry.nutrients[k] = floatAt(span.numbers + 4 * k);
        entry.gramsPerUnit = floatAt(span.numbers + 40);
        entry.amount = floatAt(span.numbers + 44);
        entry.unit = text(span.numbers + NumberBytes, span.unitEnd);
        return entry;
    }

    float floatAt(std::size_t at) const
    {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i)
            bits |= std::uint32_t(static_cast<unsigned char>(m_data[at + i]) ^ Mask) << (8 * i);
        return std::bit_cast<float>(bits);
    }

private:
    // A zero byte reads as the mask while the image is scrambled.
    std::size_t findZero(std::size_t from) const
    {
        if (from >= m_data.size())
            return std::string_view::npos;
        const void *hit = std::memchr(m_data.data() + from, Mask, m_data.size() - from);
        return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - m_data.data())
                   : std::string_view::npos;
    }

    std::string text(std::size_t from, std::size_t to) const
    {
        std::string out(m_data.substr(from, to - from));
        ScrambleBytes(out.data(), out.size());
        return out;
    }

    std::string_view m_data;
    std::size_t m_offset = 0;
};

} // namespace

std::size_t ScrambleBytes(char *buffer, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        buffer[i] = static_cast<char>(static_cast<unsigned char>(buffer[i]) ^ Mask);
    return length;
}

std::string Encode(const MealEntry &entry)
{
    const std::string_view name = uptoZero(entry.name);
    const std::string_view unit = uptoZero(entry.unit);
    std::string record;
    record.reserve(name.size() + unit.size() + FixedBytes);
    record.append(name);
    record.push_back('\0');
    for (float value : entry.nutrients)
        putFloat(record, value);
    putFloat(record, entry.gramsPerUnit);
    putFloat(record, entry.amount);
    record.append(unit);
    record.push_back('\0');
    ScrambleBytes(record.data(), record.size());
    return record;
}

Decoded Decode(std::string_view scrambled)
{
    Decoded decoded;
    Reader reader(scrambled);
    while (const auto span = reader.next()) {
        decoded.entries.push_back(reader.entry(*span));
        decoded.entries.back().listIndex = static_cast<int>(decoded.entries.size()) - 1;
    }
    decoded.consumed = reader.offset();
    return decoded;
}

std::size_t WholeBytes(std::string_view scrambled)
{
    Reader reader(scrambled);
    while (reader.next()) { }
    return reader.offset();
}

std::optional<std::string> WithoutRecords(std::string_view scrambled,
                                          const std::vector<std::size_t> &removed,
                                          std::size_t expected)
{
    std::string out;
    out.reserve(scrambled.size());
    Reader reader(scrambled);
    std::size_t index = 0;
    std::size_t start = 0;
    auto next = removed.begin();
    while (reader.next()) {
        if (next != removed.end() && *next == index)
            ++next;
        else
            out.append(scrambled.substr(start, reader.offset() - start));
        start = reader.offset();
        ++index;
    }
    if (index != expected || next != removed.end())
        return std::nullopt;
    return out;
}

std::optional<std::string> WithAmount(std::string_view scrambled, std::size_t index, float amount,
                                      std::size_t expected)
{
    Reader reader(scrambled);
    std::size_t count = 0;
    std::size_t amountAt = std::string_view::npos;
    for (; const auto span = reader.next(); ++count) {
        if (count == index)
            amountAt = span->numbers + 44;
    }
    if (count != expected || amountAt == std::string_view::npos)
        return std::nullopt;
    std::string out(scrambled.substr(0, reader.offset()));
    std::string bytes;
    putFloat(bytes, amount);
    ScrambleBytes(bytes.data(), bytes.size());
    out.replace(amountAt, bytes.size(), bytes);
    return out;
}

double DayCalories(std::string_view scrambled)
{
    double total = 0.0;
    Reader reader(scrambled);
    while (const auto span = reader.next()) {
        total += Calories(reader.floatAt(span->numbers + 44), reader.floatAt(span->numbers + 40),
                          reader.floatAt(span->numbers + 4 * Nutrient::Calories));
    }
    return total;
}

double DayCalories(const std::vector<MealEntry> &entries)
{
    double total = 0.0;
    for (const MealEntry &entry : entries)
        total += Calories(entry.amount, entry.gramsPerUnit, entry.nutrients[Nutrient::Calories]);
    return total;
}

Nutrients Totals(const std::vector<MealEntry> &entries)
{
    Nutrients totals {};
    for (const MealEntry &entry : entries) {
        for (int k = 0; k < Nutrient::Count; ++k)
            totals[k] += entry.contribution(k);
    }
    return totals;
}

} // namespace MealRecord
