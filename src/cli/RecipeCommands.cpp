// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecipeCommands.h"

#include "export/DiaryExport.h"
#include "food/FoodFilter.h"
#include "meals/MealRowLayout.h"
#include "meals/NutrientText.h"
#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <algorithm>
#include <ostream>

namespace RecipeCommands {

namespace {

int fail(const Diary &diary, const std::string &message)
{
    diary.err << CommandLine::Program << ": " << message << '\n';
    return 1;
}

std::string labelled(std::string_view label, const std::string &value)
{
    return std::string(label) + std::string(label.size() < 16 ? 16 - label.size() : 1, ' ') +
        value + '\n';
}

// As the panel shows a total: calories without a unit.
std::string total(int nutrient, float value)
{
    std::string text = NutrientText::Total(nutrient, value);
    if (text.ends_with(' '))
        text.pop_back();
    return text;
}

// Servings as typed: 2, 1.5.
std::string count(double value)
{
    std::string text = NumberText::fixed(value, 3);
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.'))
        text.pop_back();
    return text;
}

std::string grams(double value)
{
    return MealRowLayout::amountText(float(value)) + " g";
}

std::string noRecipe(const RecipeBook &book, std::string_view name)
{
    std::string message = "no recipe is called " + CommandLine::InQuotes(name);
    const std::vector<Recipe> recipes = book.recipes();
    if (recipes.empty())
        return message + "; make one with: corvalo-cli recipe save NAME --servings N --from DATE";
    message += "; the recipes are:";
    for (const Recipe &recipe : recipes)
        message += "\n  " + TextCodec::ToUtf8(recipe.name);
    return message;
}

DayFiles::LocalDate today()
{
    return DayFiles::LocalDateOf(Clock::now());
}

int saved(RecipeBook &book, const Diary &diary)
{
    if (const FileIo::Result written = book.save(diary.store.RecipesFile()); !written.ok())
        return fail(diary, SaveProblem::Describe(written, diary.root, SaveProblem::Action::Save));
    return 0;
}

} // namespace

int List(const RecipeBook &book, const Diary &diary)
{
    for (const Recipe &recipe : book.recipes()) {
        diary.out << TextCodec::ToUtf8(recipe.name) << '\t' << count(recipe.servings)
                  << (recipe.servings == 1.0 ? " serving, " : " servings, ")
                  << grams(recipe.totalGrams()) << ", "
                  << total(Nutrient::Calories, recipe.perServing()[Nutrient::Calories])
                  << " kcal a serving\n";
    }
    return 0;
}

int Show(const RecipeBook &book, std::string_view name, const Diary &diary)
{
    const Recipe *recipe = book.find(name);
    if (!recipe)
        return fail(diary, noRecipe(book, name));
    std::ostream &out = diary.out;
    out << TextCodec::ToUtf8(recipe->name) << '\n';
    std::vector<std::string> amounts;
    std::size_t widest = 0;
    for (const MealEntry &ingredient : recipe->ingredients) {
        amounts.push_back(MealRowLayout::amountText(ingredient.amount) + ' ' +
                          TextCodec::ToUtf8(ingredient.unit));
        widest = std::max(widest, std::size_t(FoodFilter::Characters(amounts.back())));
    }
    for (std::size_t i = 0; i < amounts.size(); ++i)
        out << "  " << amounts[i]
            << std::string(widest - std::size_t(FoodFilter::Characters(amounts[i])) + 2, ' ')
            << TextCodec::ToUtf8(recipe->ingredients[i].name) << '\n';
    out << labelled("Servings:", count(recipe->servings));
    out << labelled("Weight:",
                    recipe->cookedGrams ? grams(*recipe->cookedGrams) +
                            " cooked (the ingredients " + grams(recipe->ingredientGrams()) + ")"
                                        : grams(recipe->totalGrams()));
    out << labelled("Since:", DiaryExport::IsoDate(recipe->since));
    out << "Per serving (" << grams(recipe->servingGrams()) << "):\n";
    const Nutrients perServing = recipe->perServing();
    for (int row = 0; row < Nutrient::Count; ++row)
        for (int k = 0; k < Nutrient::Count; ++k)
            if (NutrientText::ScreenRow(k) == row)
                out << labelled(NutrientText::Label(k), total(k, perServing[k]));
    return 0;
}

int Save(RecipeBook &book, const CommandLine::Command &command, const FoodDatabase &foods,
         const Diary &diary)
{
    const std::string date = DiaryExport::IsoDate(*command.date);
    const DayStore::Meals meals = diary.store.LoadMeals(*command.date);
    if (!meals.readable)
        return fail(diary, "the meals of " + date + " could not be read");
    if (meals.entries.empty())
        return fail(diary, date + " has no meals to make a recipe of");
    const std::string lowered = FoodFilter::Lowered(command.text);
    bool isFood = false;
    for (int i = 0; i < foods.recordCount() && !isFood; ++i)
        isFood = FoodFilter::Lowered(TextCodec::ToUtf8(foods.name(i))) == lowered;
    if (isFood)
        return fail(diary,
                    "there is already a food called " + CommandLine::InQuotes(command.text) +
                        "; give the recipe another name");
    const Recipe *before = book.find(command.text);
    // A change keeps the name as it was written first.
    Recipe recipe = Recipe::fromEntries(before ? std::string_view(before->name) : command.text,
                                        meals.entries, command.servings);
    recipe.cookedGrams = command.cookedWeight;
    recipe.since = today();
    std::string why;
    if (!book.define(recipe, &why))
        return fail(diary, "the recipe cannot be saved: " + why);
    if (const int status = saved(book, diary); status != 0)
        return status;
    const Recipe &stored = *book.find(recipe.name);
    diary.out << (before ? "Changed" : "Saved") << " recipe " << CommandLine::InQuotes(stored.name)
              << ": " << stored.ingredients.size()
              << (stored.ingredients.size() == 1 ? " ingredient, " : " ingredients, ")
              << count(stored.servings)
              << (stored.servings == 1.0 ? " serving of " : " servings of ")
              << grams(stored.servingGrams()) << '\n';
    return 0;
}

int Delete(RecipeBook &book, std::string_view name, const Diary &diary)
{
    const Recipe *recipe = book.find(name);
    if (!recipe)
        return fail(diary, noRecipe(book, name));
    const std::string shown = TextCodec::ToUtf8(recipe->name);
    book.remove(name, today());
    if (const int status = saved(book, diary); status != 0)
        return status;
    diary.out << "Deleted recipe " << CommandLine::InQuotes(shown)
              << "; days that logged it keep it\n";
    return 0;
}

int Log(const Recipe &recipe, const CommandLine::Command &command, const Diary &diary)
{
    if (!recipe.gramsPerUnit(command.unit)) {
        std::string units;
        for (const auto &[unit, grams] : recipe.units())
            units += (units.empty() ? "" : " | ") + std::string(unit);
        return fail(diary,
                    CommandLine::InQuotes(command.unit) + " is not a unit of the recipe " +
                        CommandLine::InQuotes(TextCodec::ToUtf8(recipe.name)) +
                        "; its units are: " + units);
    }
    const MealEntry entry = recipe.entry(NumberText::parse(command.amount), command.unit);
    if (const FileIo::Result saved = diary.store.AppendMeal(*command.date, entry); !saved.ok())
        return fail(diary, SaveProblem::Describe(saved, diary.root, SaveProblem::Action::Save));
    diary.out << "Added to " << DiaryExport::IsoDate(*command.date) << ": "
              << MealRowLayout::amountText(entry.amount) << ' ' << entry.unit << ' '
              << TextCodec::ToUtf8(recipe.name) << " (recipe)\n";
    return 0;
}

} // namespace RecipeCommands
