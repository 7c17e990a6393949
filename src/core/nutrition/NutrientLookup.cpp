// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/NutrientLookup.h"

#include "food/FoodTable.h"

#include <memory>
#include <string>
#include <unordered_map>

NutrientLookup::NutrientLookup(const FoodDatabase &database, const NutrientData &data)
    : m_database(database), m_data(data)
{
}

bool NutrientLookup::matchesDatabase() const
{
    return m_data.isLoaded() &&
        m_data.foodCount() == m_database.recordCount() - m_database.userFoodCount();
}

FoodNutrients NutrientLookup::fromRecord(int index) const
{
    FoodNutrients nutrients;
    const FoodFormat::Nutrients values = m_database.record(index).nutrients();
    for (int k = 0; k < Nutrient::Count; ++k) {
        if (values[k] != 0.0f)
            nutrients.set(NutrientCatalogue::fromStored(k), values[k]);
    }
    return nutrients;
}

std::optional<FoodNutrients> NutrientLookup::byIndex(int index) const
{
    return byIndexAt(index, std::nullopt, nullptr);
}

std::optional<FoodNutrients> NutrientLookup::byName(std::string_view name) const
{
    return byNameAt(name, std::nullopt, nullptr);
}

std::optional<FoodNutrients>
NutrientLookup::byIndexAt(int index, const std::optional<DayFiles::LocalDate> &day,
                          const Nutrients *stored) const
{
    if (index < 0 || index >= m_database.recordCount())
        return std::nullopt;
    const int shipped = m_database.shippedIndex(index);
    if (shipped >= 0 && matchesDatabase())
        return m_data.food(shipped);
    if (shipped < 0 && m_ownFoods) {
        if (std::optional<FoodNutrients> own = m_ownFoods(m_database.name(index), day, stored))
            return own;
    }
    return fromRecord(index);
}

std::optional<FoodNutrients> NutrientLookup::byNameAt(std::string_view name,
                                                      const std::optional<DayFiles::LocalDate> &day,
                                                      const Nutrients *stored) const
{
    // The names are in FoodTable::nameLess order, own foods merged in; equal names under that
    // order sit together and are told apart byte by byte.
    int first = 0, count = m_database.recordCount();
    while (count > 0) {
        const int step = count / 2;
        if (FoodTable::nameLess(m_database.name(first + step), name)) {
            first += step + 1;
            count -= step + 1;
        } else {
            count = step;
        }
    }
    for (int i = first; i < m_database.recordCount(); ++i) {
        const std::string_view candidate = m_database.name(i);
        if (FoodTable::nameLess(name, candidate))
            break;
        if (candidate == name)
            return byIndexAt(i, day, stored);
    }
    // A food removed since is no longer listed, yet days logged with it still name it.
    if (m_ownFoods)
        return m_ownFoods(name, day, stored);
    return std::nullopt;
}

EntryNutrients NutrientLookup::entry(const MealEntry &entry,
                                     const std::optional<DayFiles::LocalDate> &day) const
{
    return entryAt(entry, day, 0);
}

FoodNutrients NutrientLookup::recipePerGram(const Recipe &recipe,
                                            const std::optional<DayFiles::LocalDate> &day) const
{
    return recipe.perGramOf(
        [&](const MealEntry &ingredient) { return entryAt(ingredient, day, 1).amounts; });
}

EntryNutrients NutrientLookup::entryAt(const MealEntry &entry,
                                       const std::optional<DayFiles::LocalDate> &day,
                                       int depth) const
{
    EntryNutrients result;
    // Recipes first: a window may list them among the foods, as records that know only their
    // ten. A recipe in a loop (made by hand) ends unknown rather than never.
    std::optional<FoodNutrients> food;
    if (m_recipes && depth < RecipeBook::MaxDepth) {
        if (const Recipe *recipe = m_recipes->inForce(entry.name, day, &entry.nutrients)) {
            food = recipe->perGramOf([&](const MealEntry &ingredient) {
                return entryAt(ingredient, day, depth + 1).amounts;
            });
        }
    }
    if (!food)
        food = byNameAt(entry.name, day, &entry.nutrients);
    result.found = food.has_value();
    const double scale = double(entry.amount) * double(entry.gramsPerUnit);
    if (food) {
        for (int id = 0; id < NutrientCatalogue::Count; ++id) {
            if (food->known(id))
                result.amounts.set(id, float(double(food->value(id)) * scale));
        }
    }
    for (int k = 0; k < Nutrient::Count; ++k) {
        const int id = NutrientCatalogue::fromStored(k);
        if (entry.nutrients[k] != 0.0f || result.amounts.known(id))
            result.amounts.set(id, entry.contribution(k));
    }
    return result;
}

NutrientLookup::OwnFoods NutrientLookup::ownFoodsOf(const UserFoodTable &table)
{
    using Definitions = std::vector<UserFoodHistory::Definition>;
    auto foods = std::make_shared<std::unordered_map<std::string, Definitions>>();
    for (UserFoodHistory::Definition &definition : table.definitions())
        (*foods)[definition.food.name].push_back(std::move(definition));
    return [foods](std::string_view name, const std::optional<DayFiles::LocalDate> &day,
                   const Nutrients *stored) -> std::optional<FoodNutrients> {
        const auto found = foods->find(std::string(name));
        if (found == foods->end())
            return std::nullopt;
        const UserFoodHistory::Definition *used =
            UserFoodHistory::InForce(found->second, day, stored);
        if (!used)
            return std::nullopt;
        return UserFoodTable::nutrientsOf(used->food);
    };
}
