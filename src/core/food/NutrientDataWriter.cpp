// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/NutrientDataWriter.h"

#include "food/NutrientFormat.h"

#include <bit>
#include <cmath>

namespace {

void appendLe16(std::vector<std::uint8_t> &out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void appendLittle32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

} // namespace

void NutrientDataWriter::appendAmount(std::vector<std::uint8_t> &out, float perGram)
{
    using namespace NutrientFormat;
    // Fewest digits first: the exponent as high as the value allows.
    const double per100 = double(perGram) * 100.0;
    for (int e = ExponentCodes - 1; e >= 0; --e) {
        const double mantissa = std::round(per100 / std::pow(10.0, e + LowestExponent));
        if (!(mantissa >= 0.0 && mantissa < MantissaLimit))
            continue;
        const auto code = std::uint16_t(e << MantissaBits | int(mantissa));
        float decoded = 0.0f;
        if (decodeDecimal(code, decoded) && decoded == perGram) {
            appendLe16(out, code);
            return;
        }
    }
    appendLe16(out, EscapeCode);
    appendLittle32(out, std::bit_cast<std::uint32_t>(perGram));
}

void NutrientDataWriter::addFood(const FoodNutrients &food)
{
    m_offsets.push_back(std::uint32_t(m_records.size()));
    std::uint8_t mask[NutrientFormat::MaskBytes] = {};
    for (int id = 0; id < NutrientCatalogue::Count; ++id) {
        if (food.known(id))
            mask[id / 8] |= std::uint8_t(1u << (id % 8));
    }
    m_records.insert(m_records.end(), mask, mask + sizeof mask);
    for (int id = 0; id < NutrientCatalogue::Count; ++id) {
        if (food.known(id))
            appendAmount(m_records, food.value(id));
    }
}

std::vector<std::uint8_t> NutrientDataWriter::bytes() const
{
    std::vector<std::uint8_t> out(NutrientFormat::Magic.begin(), NutrientFormat::Magic.end());
    out.push_back(NutrientFormat::Version);
    out.push_back(std::uint8_t(NutrientCatalogue::Count));
    out.push_back(0);
    out.push_back(0);
    appendLittle32(out, std::uint32_t(m_offsets.size()));
    const std::size_t recordsStart = out.size() + 4 * (m_offsets.size() + 1);
    for (const std::uint32_t offset : m_offsets)
        appendLittle32(out, std::uint32_t(recordsStart + offset));
    appendLittle32(out, std::uint32_t(recordsStart + m_records.size()));
    out.insert(out.end(), m_records.begin(), m_records.end());
    return out;
}
