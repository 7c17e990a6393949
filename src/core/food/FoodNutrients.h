// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/NutrientCatalogue.h"

#include <array>
#include <bitset>
#include <optional>

// One food's amount of every catalogue nutrient in one gram (one millilitre for foods measured by
// volume), each either known or unknown: a known 0 is a value, an unknown one is not.
class FoodNutrients
{
public:
    bool known(int id) const { return m_known.test(std::size_t(id)); }
    std::optional<double> perGram(int id) const
    {
        if (!known(id))
            return std::nullopt;
        return double(m_values[std::size_t(id)]);
    }
    // The stored single-precision amount; 0 when unknown.
    float value(int id) const { return m_values[std::size_t(id)]; }
    int knownCount() const { return int(m_known.count()); }

    void set(int id, float perGram)
    {
        m_values[std::size_t(id)] = perGram;
        m_known.set(std::size_t(id));
    }
    void forget(int id)
    {
        m_values[std::size_t(id)] = 0.0f;
        m_known.reset(std::size_t(id));
    }

    bool operator==(const FoodNutrients &) const = default;

private:
    std::array<float, NutrientCatalogue::Count> m_values {};
    std::bitset<NutrientCatalogue::Count> m_known;
};
