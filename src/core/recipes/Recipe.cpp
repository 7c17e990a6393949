// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipes/Recipe.h"

#include "food/FoodFormat.h"
#include "food/TableText.h"

#include <cmath>
#include <limits>

namespace {

bool positive(double value)
{
    return value > 0.0 && value <= double(std::numeric_limits<float>::max());
}

} // namespace

Recipe Recipe::fromEntries(std::string_view name, const std::vector<MealEntry> &entries,
                           double servings)
{
    Recipe recipe;
    recipe.name = std::string(name);
    recipe.servings = servings;
    for (MealEntry entry : entries) {
        entry.listIndex = -1;
        entry.ticked = false;
        recipe.ingredients.push_back(std::move(entry));
    }
    return recipe;
}

double Recipe::ingredientGrams() const
{
    double grams = 0.0;
    for (const MealEntry &ingredient : ingredients)
        grams += double(ingredient.amount) * double(ingredient.gramsPerUnit);
    return grams;
}

double Recipe::totalGrams() const
{
    return cookedGrams ? *cookedGrams : ingredientGrams();
}

std::array<double, Nutrient::Count> Recipe::totals() const
{
    std::array<double, Nutrient::Count> sum {};
    for (const MealEntry &ingredient : ingredients)
        for (int k = 0; k < Nutrient::Count; ++k)
            sum[std::size_t(k)] += double(ingredient.amount) * double(ingredient.gramsPerUnit) *
                double(ingredient.nutrients[k]);
    return sum;
}

Nutrients Recipe::perGram() const
{
    Nutrients out {};
    const double grams = totalGrams();
    if (!(grams > 0.0))
        return out;
    const std::array<double, Nutrient::Count> sum = totals();
    for (int k = 0; k < Nutrient::Count; ++k)
        out[k] = float(sum[std::size_t(k)] / grams);
    return out;
}

Nutrients Recipe::perServing() const
{
    Nutrients out {};
    if (!(servings > 0.0))
        return out;
    const std::array<double, Nutrient::Count> sum = totals();
    for (int k = 0; k < Nutrient::Count; ++k)
        out[k] = float(sum[std::size_t(k)] / servings);
    return out;
}

FoodNutrients Recipe::perGramOf(const IngredientAmounts &amountsOf) const
{
    FoodNutrients out;
    const double grams = totalGrams();
    if (!(grams > 0.0) || ingredients.empty())
        return out;
    std::array<double, NutrientCatalogue::Count> sum {};
    std::array<bool, NutrientCatalogue::Count> known;
    known.fill(true);
    for (const MealEntry &ingredient : ingredients) {
        const FoodNutrients amounts = amountsOf(ingredient);
        for (int id = 0; id < NutrientCatalogue::Count; ++id) {
            if (amounts.known(id))
                sum[std::size_t(id)] += double(amounts.value(id));
            else
                known[std::size_t(id)] = false;
        }
    }
    for (int id = 0; id < NutrientCatalogue::Count; ++id)
        if (known[std::size_t(id)])
            out.set(id, float(sum[std::size_t(id)] / grams));
    return out;
}

std::vector<std::pair<std::string_view, double>> Recipe::units() const
{
    return {{Serving, servingGrams()},
            {WholeRecipe, totalGrams()},
            {Gram, 1.0},
            {Ounce, GramsPerOunce}};
}

std::optional<double> Recipe::gramsPerUnit(std::string_view unit) const
{
    for (const auto &[name, grams] : units())
        if (FoodFormat::equalIgnoringAsciiCase(name, unit))
            return grams;
    return std::nullopt;
}

MealEntry Recipe::entry(double amount, std::string_view unit) const
{
    MealEntry entry;
    entry.name = name;
    entry.nutrients = perGram();
    entry.gramsPerUnit = float(gramsPerUnit(unit).value_or(1.0));
    entry.amount = float(amount);
    for (const auto &[known, grams] : units())
        if (FoodFormat::equalIgnoringAsciiCase(known, unit))
            entry.unit = std::string(known);
    return entry;
}

FoodTableEntry Recipe::asFood() const
{
    FoodTableEntry food;
    food.name = name;
    food.pairKind = FoodFormat::WeightPair;
    food.nutrients = perGram();
    food.units = {{std::string(Serving), float(servingGrams())},
                  {std::string(WholeRecipe), float(totalGrams())}};
    return food;
}

std::vector<MealEntry> Recipe::split(const MealEntry &logged) const
{
    const double grams = totalGrams();
    const double share =
        grams > 0.0 ? double(logged.amount) * double(logged.gramsPerUnit) / grams : 0.0;
    std::vector<MealEntry> parts;
    for (MealEntry part : ingredients) {
        part.amount = float(double(part.amount) * share);
        parts.push_back(std::move(part));
    }
    return parts;
}

bool Recipe::gaveValues(const Nutrients &stored) const
{
    const Nutrients own = perGram();
    for (int k = 0; k < Nutrient::Count; ++k)
        if (std::fabs(double(own[k]) - double(stored[k])) > 1e-4 * std::fabs(double(own[k])) + 1e-9)
            return false;
    return true;
}

std::string Recipe::problem() const
{
    if (name.find_first_not_of(' ') == std::string::npos)
        return "the recipe has no name";
    if (!TableText::IsPlain(name) || name.front() == '#')
        return "a name cannot start with # or hold a tab or a line break";
    if (ingredients.empty())
        return "the recipe has no ingredients";
    if (!positive(servings))
        return "the number of servings is not above 0";
    if (cookedGrams && !positive(*cookedGrams))
        return "the cooked weight is not above 0";
    for (const MealEntry &ingredient : ingredients) {
        if (ingredient.name.empty() || !TableText::IsPlain(ingredient.name) ||
            !TableText::IsPlain(ingredient.unit))
            return "an ingredient has no name, or a tab or a line break in its name or unit";
        if (!IsStorableAmount(ingredient.amount) || !positive(ingredient.gramsPerUnit))
            return "the amount of " + ingredient.name + " is not above 0";
        for (const float value : ingredient.nutrients)
            if (!(value >= 0.0f) || !positive(double(value) * 100.0 + 1.0))
                return "a nutrient of " + ingredient.name + " is not a number of 0 or more";
    }
    if (!(totalGrams() > 0.0))
        return "the recipe weighs nothing";
    return {};
}
