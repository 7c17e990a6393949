// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "food/FoodNutrients.h"
#include "food/FoodTable.h"
#include "meals/MealEntry.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A dish made of foods: named ingredients, each held as the day entry that would log it (name,
// the ten per gram, grams per unit, amount, unit), so an ingredient may be a shipped food, an own
// food, a quick add or another recipe. Its nutrients are the sum of the ingredients'; its weight
// is the ingredients' sum unless the cooked weight is given. Millilitres count as grams.
//
// Logged, a recipe is a day entry like any food's: its ten per gram, the unit's grams.
//   MealEntry entry = recipe.entry(1, Recipe::Serving);  // then DayStore::AppendMeal
//   std::vector<MealEntry> parts = recipe.split(entry);  // the entry as its ingredients
struct Recipe
{
    static constexpr std::string_view Serving = "serving";
    static constexpr std::string_view WholeRecipe = "whole recipe";
    static constexpr std::string_view Gram = "g";
    static constexpr std::string_view Ounce = "oz";
    static constexpr double GramsPerOunce = 28.349523125;

    std::string name;
    std::vector<MealEntry> ingredients;
    double servings = 1.0;
    std::optional<double> cookedGrams; // none: the ingredients' sum
    DayFiles::LocalDate since; // the day this definition took effect

    // The entries as a recipe (Save ticked meals as a recipe: DayStore::MealsToCopy first).
    static Recipe fromEntries(std::string_view name, const std::vector<MealEntry> &entries,
                              double servings);

    double ingredientGrams() const;
    // The cooked weight when given, else the ingredients' sum.
    double totalGrams() const;
    double servingGrams() const { return totalGrams() / servings; }

    // The ten of the whole recipe: every ingredient's amount x grams x value, summed.
    std::array<double, Nutrient::Count> totals() const;
    // The ten per gram as a logged entry stores them; all 0 for a recipe that weighs nothing.
    Nutrients perGram() const;
    Nutrients perServing() const;

    // Every catalogue nutrient per gram from what each ingredient gives (NutrientLookup::entry):
    // known only where every ingredient knows it, so unknown stays unknown.
    using IngredientAmounts = std::function<FoodNutrients(const MealEntry &ingredient)>;
    FoodNutrients perGramOf(const IngredientAmounts &amountsOf) const;

    // The units in the order offered: serving, whole recipe, g, oz, with their grams.
    std::vector<std::pair<std::string_view, double>> units() const;
    // The unit's grams, A to Z in either case; nothing for another unit.
    std::optional<double> gramsPerUnit(std::string_view unit) const;
    // The entry that logs `amount` of the unit, which must be one of units().
    MealEntry entry(double amount, std::string_view unit) const;
    // The ingredients scaled to what the logged entry weighs, each keeping its own values.
    std::vector<MealEntry> split(const MealEntry &logged) const;

    // The recipe as a food of the list (FoodDatabaseWriter::recordBytes, then
    // FoodDatabase::addUserFoods): its ten per gram, the units serving and whole recipe, and the
    // g and oz every food measured by weight has. Adding it logs what entry() logs.
    FoodTableEntry asFood() const;

    // Whether a logged entry's stored values are this definition's per-gram ten, within the
    // rounding the recipe file's six digits leave.
    bool gaveValues(const Nutrients &stored) const;

    // Why the recipe cannot be stored as it is (no name, no ingredient, servings not above 0,
    // a tab in a name, ...), in user words; empty when it can.
    std::string problem() const;
};
