// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/QuickAdd.h"

#include <limits>

namespace QuickAdd {

namespace {

bool storableAmount(double value)
{
    return value >= 0.0 && value <= double(std::numeric_limits<float>::max());
}

} // namespace

std::optional<MealEntry> MakeEntry(const Values &values)
{
    if (!(values.calories > 0.0) || !storableAmount(values.calories) ||
        !storableAmount(values.carbohydrates) || !storableAmount(values.fat) ||
        !storableAmount(values.protein))
        return std::nullopt;
    MealEntry entry;
    entry.name = std::string(Name);
    entry.unit = std::string(Unit);
    entry.amount = 1.0f;
    entry.gramsPerUnit = 1.0f;
    entry.nutrients[Nutrient::Calories] = float(values.calories);
    entry.nutrients[Nutrient::Carbohydrates] = float(values.carbohydrates);
    entry.nutrients[Nutrient::Fat] = float(values.fat);
    entry.nutrients[Nutrient::Protein] = float(values.protein);
    return entry;
}

} // namespace QuickAdd
