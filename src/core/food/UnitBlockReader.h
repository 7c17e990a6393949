// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"

#include <array>
#include <cstdint>
#include <string_view>

struct FoodUnit
{
    std::string_view name; // in place in the decoded buffer, or one of the pair names
    float factor = 0.0f; // grams (millilitres) in one of the unit

    bool operator==(const FoodUnit &) const = default;
};

// A food's units in the order the unit box lists them: its own, then the standard pair.
struct FoodUnits
{
    std::array<FoodUnit, FoodFormat::MaxUnits> items {};
    int count = 0;
    int storedCount = 0; // how many of the items came from the record
    int pairKind = FoodFormat::NoPair;
};

// Reads the unit block of one record: the header byte, then the stored units one after another.
// Never reads at or past end.
class UnitBlockReader
{
public:
    UnitBlockReader(const std::uint8_t *header, const std::uint8_t *end);

    // False when there is no header byte before end.
    bool hasHeader() const { return m_pos != nullptr; }
    // The count and the pair kind as the header gives them.
    int declaredCount() const { return m_declared; }
    int pairKind() const { return m_kind; }
    // How many of the declared units are read: at most ten.
    int readableCount() const;
    int readCount() const { return m_read; }

    // The next stored unit. False once the readable units are read, or when the next one does
    // not fit before end (the block is then broken and stays at its end).
    bool next(FoodUnit &unit);

    // Where the next unit would start.
    const std::uint8_t *position() const { return m_pos; }

    // Where the readable units end; nullptr when there is no header or a unit does not fit.
    static const std::uint8_t *blockEnd(const std::uint8_t *header, const std::uint8_t *end);

    // All readable stored units, then the standard pair of the header's kind.
    static FoodUnits readAll(const std::uint8_t *header, const std::uint8_t *end);

private:
    const std::uint8_t *m_pos = nullptr;
    const std::uint8_t *m_end = nullptr;
    int m_declared = 0;
    int m_kind = FoodFormat::NoPair;
    int m_read = 0;
};
