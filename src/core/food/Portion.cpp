#include "food/Portion.h"

#include <cmath>
#include <limits>

namespace Portion {

bool IsStorableAmount(double amount)
{
    return amount > 0.0 && amount <= double(std::numeric_limits<float>::max());
}

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
