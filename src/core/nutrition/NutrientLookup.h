// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodDatabase.h"
#include "food/FoodNutrients.h"
#include "food/NutrientData.h"
#include "food/UserFoodTable.h"
#include "meals/MealEntry.h"
#include "recipes/RecipeBook.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

// What one day entry gives of every catalogue nutrient: the amounts of the known ones.
struct EntryNutrients
{
    bool found = false; // its food was found by name
    FoodNutrients amounts; // in the nutrient's unit, for the whole entry
};

// Finds a food's nutrients by its index in the database or by its exact name, as day entries
// name their food. Shipped foods answer from the side table; the user's own foods from the
// source plugged in with setOwnFoods(), else from the ten values of their record (those not 0);
// recipes from the book plugged in with setRecipes(), as the sum of their ingredients.
// Both the database and the side table must outlive the lookup.
class NutrientLookup
{
public:
    // An own food's nutrients by exact name, as the food was when an entry of `day` that stores
    // `stored` was logged (the food as it is now without a day); nullopt when it is not one.
    using OwnFoods = std::function<std::optional<FoodNutrients>(
        std::string_view name, const std::optional<DayFiles::LocalDate> &day,
        const Nutrients *stored)>;

    NutrientLookup(const FoodDatabase &database, const NutrientData &data);

    void setOwnFoods(OwnFoods ownFoods) { m_ownFoods = std::move(ownFoods); }
    // The own foods of a table (UserFoodTable::nutrientsOf), for setOwnFoods, with what they
    // were before an edit (UserFoodHistory::InForce). It keeps a copy, so the table need not
    // outlive it, and may be used on any thread.
    static OwnFoods ownFoodsOf(const UserFoodTable &table);
    // The recipes; a copy is kept, so that the lookup may be used on any thread.
    void setRecipes(const RecipeBook &book) { m_recipes = std::make_shared<RecipeBook>(book); }

    // Whether the side table was built with the loaded database: when not, shipped foods have
    // no nutrients beyond their ten.
    bool matchesDatabase() const;

    std::optional<FoodNutrients> byIndex(int index) const;
    // The first food of that exact name (shipped before own); nullopt when there is none.
    std::optional<FoodNutrients> byName(std::string_view name) const;

    // The entry's amounts: the ten from its own stored values, the others from its food found by
    // name, scaled by amount x gramsPerUnit. A stored value that is not 0 is known; one that is
    // 0 is known only where the food knows it. Nothing else is known when the food is not found.
    // A recipe or an own food is the definition the entry was logged with on `day`
    // (RecipeBook::inForce, UserFoodHistory::InForce; the latest without a day), so that one
    // changed since leaves the day as it was.
    EntryNutrients entry(const MealEntry &entry,
                         const std::optional<DayFiles::LocalDate> &day = {}) const;

    // Every catalogue nutrient of a recipe per gram, its ingredients looked up as of `day`: for
    // a recipe form's preview (times Recipe::servingGrams for a serving).
    FoodNutrients recipePerGram(const Recipe &recipe,
                                const std::optional<DayFiles::LocalDate> &day = {}) const;

private:
    FoodNutrients fromRecord(int index) const;
    std::optional<FoodNutrients> byIndexAt(int index, const std::optional<DayFiles::LocalDate> &day,
                                           const Nutrients *stored) const;
    std::optional<FoodNutrients> byNameAt(std::string_view name,
                                          const std::optional<DayFiles::LocalDate> &day,
                                          const Nutrients *stored) const;
    EntryNutrients entryAt(const MealEntry &entry, const std::optional<DayFiles::LocalDate> &day,
                           int depth) const;

    const FoodDatabase &m_database;
    const NutrientData &m_data;
    OwnFoods m_ownFoods;
    std::shared_ptr<const RecipeBook> m_recipes;
};
