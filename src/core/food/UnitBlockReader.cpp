// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/UnitBlockReader.h"

#include <algorithm>
#include <cstring>

UnitBlockReader::UnitBlockReader(const std::uint8_t *header, const std::uint8_t *end) : m_end(end)
{
    if (header == nullptr || end == nullptr || header >= end)
        return;
    m_declared = *header & 0x0f;
    m_kind = *header >> 4;
    m_pos = header + 1;
}

int UnitBlockReader::readableCount() const
{
    return std::min(m_declared, FoodFormat::ReadUnitLimit);
}

bool UnitBlockReader::next(FoodUnit &unit)
{
    if (m_pos == nullptr || m_read >= readableCount())
        return false;
    if (m_end - m_pos < 4) {
        m_pos = nullptr;
        return false;
    }
    const std::uint8_t *name = m_pos + 4;
    const void *zero = std::memchr(name, 0, std::size_t(m_end - name));
    if (zero == nullptr) {
        m_pos = nullptr;
        return false;
    }
    const auto *nameEnd = static_cast<const std::uint8_t *>(zero);
    unit.factor = FoodFormat::readBeFloat(m_pos);
    unit.name = std::string_view(reinterpret_cast<const char *>(name), std::size_t(nameEnd - name));
    m_pos = nameEnd + 1;
    ++m_read;
    return true;
}

const std::uint8_t *UnitBlockReader::blockEnd(const std::uint8_t *header, const std::uint8_t *end)
{
    UnitBlockReader reader(header, end);
    FoodUnit unit;
    while (reader.next(unit)) { }
    return reader.readCount() == reader.readableCount() ? reader.position() : nullptr;
}

FoodUnits UnitBlockReader::readAll(const std::uint8_t *header, const std::uint8_t *end)
{
    FoodUnits units;
    UnitBlockReader reader(header, end);
    if (!reader.hasHeader())
        return units;
    FoodUnit unit;
    while (reader.next(unit))
        units.items[std::size_t(units.count++)] = unit;
    units.storedCount = units.count;
    units.pairKind = reader.pairKind();

    const std::string_view *names = nullptr;
    if (units.pairKind == FoodFormat::WeightPair)
        names = FoodFormat::WeightPairNames;
    else if (units.pairKind == FoodFormat::VolumePair)
        names = FoodFormat::VolumePairNames;
    if (names != nullptr) {
        units.items[std::size_t(units.count++)] = {names[0], FoodFormat::OunceFactor};
        units.items[std::size_t(units.count++)] = {names[1], 1.0f};
    }
    return units;
}
