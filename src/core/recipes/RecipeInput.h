// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recipes/Recipe.h"

#include <string>
#include <vector>

// The recipe form as typed: the name, the servings, the cooked weight (empty for the
// ingredients' sum) and each ingredient's amount as text, beside the entry that holds the rest
// of it (name, the ten per gram, grams per unit, unit). read() makes the recipe of it and names
// the first thing in the form's order that keeps it from being stored.
struct RecipeInput
{
    struct Ingredient
    {
        MealEntry entry; // its amount is taken from `amount`
        std::string amount;
    };

    enum class Problem {
        None,
        NoName,
        NameNotPlain,
        ServingsEmpty,
        ServingsNotANumber,
        ServingsNotAboveZero,
        CookedNotANumber,
        CookedNotAboveZero,
        NoIngredients,
        AmountNotANumber, // item: the ingredient
        AmountNotAboveZero,
    };

    struct Result
    {
        // As much of the recipe as can be read, for a preview: an amount that cannot be read
        // counts as 0, servings that cannot as 0, a cooked weight that cannot as none.
        Recipe recipe;
        Problem problem = Problem::None;
        int item = -1;
    };

    std::string name;
    std::string servings = "1";
    std::string cookedGrams;
    std::vector<Ingredient> ingredients;

    static RecipeInput fromRecipe(const Recipe &recipe);
    Result read() const;
};
