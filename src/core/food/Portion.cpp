// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/Portion.h"

namespace Portion {

Nutrients Contents(const Nutrients &perGram, double amount, float factor)
{
    Nutrients out {};
    for (int k = 0; k < Nutrient::Count; ++k)
        out[k] = static_cast<float>(amount * perGram[k] * EffectiveFactor(factor));
    return out;
}

MealEntry MakeEntry(std::string_view name, const Nutrients &perGram, float factor, double amount,
                    std::string_view unit)
{
    MealEntry entry;
    entry.name = std::string(name);
    entry.nutrients = perGram;
    entry.gramsPerUnit = EffectiveFactor(factor);
    entry.amount = static_cast<float>(amount);
    entry.unit = std::string(unit);
    return entry;
}

} // namespace Portion
