// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipes/RecipeInput.h"

#include "food/TableText.h"
#include "platform/TypedNumber.h"

#include <limits>

namespace {

bool inputAboveZero(double value)
{
    return value > 0.0 && value <= double(std::numeric_limits<float>::max());
}

} // namespace

RecipeInput RecipeInput::fromRecipe(const Recipe &recipe)
{
    RecipeInput input;
    input.name = recipe.name;
    input.servings = TableText::Number(recipe.servings);
    if (recipe.cookedGrams)
        input.cookedGrams = TableText::Number(*recipe.cookedGrams);
    for (const MealEntry &ingredient : recipe.ingredients)
        input.ingredients.push_back({ingredient, TableText::Number(ingredient.amount)});
    return input;
}

RecipeInput::Result RecipeInput::read() const
{
    Result result;
    const auto fail = [&result](Problem problem, int item = -1) {
        if (result.problem == Problem::None) {
            result.problem = problem;
            result.item = item;
        }
    };
    Recipe &recipe = result.recipe;
    const std::size_t first = name.find_first_not_of(' ');
    const std::size_t last = name.find_last_not_of(' ');
    if (first != std::string::npos)
        recipe.name = name.substr(first, last - first + 1);
    if (recipe.name.empty())
        fail(Problem::NoName);
    else if (!TableText::IsPlain(recipe.name) || recipe.name.front() == '#')
        fail(Problem::NameNotPlain);

    const TypedNumber typedServings = TypedNumber::read(servings);
    recipe.servings = 0.0;
    if (typedServings.kind == TypedNumber::Kind::Empty)
        fail(Problem::ServingsEmpty);
    else if (typedServings.kind == TypedNumber::Kind::NotANumber)
        fail(Problem::ServingsNotANumber);
    else if (!inputAboveZero(typedServings.value))
        fail(Problem::ServingsNotAboveZero);
    else
        recipe.servings = typedServings.value;

    const TypedNumber cooked = TypedNumber::read(cookedGrams);
    if (cooked.kind == TypedNumber::Kind::NotANumber)
        fail(Problem::CookedNotANumber);
    else if (cooked.kind == TypedNumber::Kind::Number && !inputAboveZero(cooked.value))
        fail(Problem::CookedNotAboveZero);
    else if (cooked.kind == TypedNumber::Kind::Number)
        recipe.cookedGrams = cooked.value;

    if (ingredients.empty())
        fail(Problem::NoIngredients);
    for (std::size_t i = 0; i < ingredients.size(); ++i) {
        MealEntry entry = ingredients[i].entry;
        const TypedNumber amount = TypedNumber::read(ingredients[i].amount);
        entry.amount = 0.0f;
        if (amount.kind != TypedNumber::Kind::Number)
            fail(Problem::AmountNotANumber, int(i));
        else if (!IsTypedAmount(amount.value))
            fail(Problem::AmountNotAboveZero, int(i));
        else
            entry.amount = float(amount.value);
        entry.listIndex = -1;
        entry.ticked = false;
        recipe.ingredients.push_back(std::move(entry));
    }
    return result;
}
