// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "recipes/RecipeBook.h"

#include <QtTest>

namespace {

using Day = DayFiles::LocalDate;

// Soup as first made (2 carrots of 50 g at 40 kcal per 100 g: 40 kcal in 100 g), a line that
// cannot be read, Soup cooked down to 80 g from the 5th, and Soup deleted on the 10th.
const std::string kFile =
    "# my recipes\n"
    "Soup\t2026-12-01\t2\t-\tCarrot\t2\tpiece\t50\t40\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
    "Soup\t2026-12-03\ttwo\t-\tCarrot\t2\tpiece\t50\t40\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
    "Soup\t2026-12-05\t2\t80\tCarrot\t2\tpiece\t50\t40\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
    "Soup\t2026-12-10\tdeleted\n";

MealEntry ingredient(const char *name, float amount, const char *unit, float grams,
                     float kcalPerGram, float proteinPerGram = 0.0f)
{
    MealEntry entry;
    entry.name = name;
    entry.amount = amount;
    entry.unit = unit;
    entry.gramsPerUnit = grams;
    entry.nutrients[Nutrient::Calories] = kcalPerGram;
    entry.nutrients[Nutrient::Protein] = proteinPerGram;
    return entry;
}

Recipe recipe(const char *name, std::vector<MealEntry> ingredients)
{
    Recipe made;
    made.name = name;
    made.ingredients = std::move(ingredients);
    made.since = Day {1, 12, 2026};
    return made;
}

} // namespace

class TestRecipeBook : public QObject
{
    Q_OBJECT

private slots:
    void keepsLinesAndHistory();
    void numbers();
    void loopRefused();
};

void TestRecipeBook::keepsLinesAndHistory()
{
    RecipeBook book;
    book.parse(kFile);
    QCOMPARE(book.skipped().size(), std::size_t(1));
    QCOMPARE(book.skippedNotice(),
             std::string("Skipped line 3 of recipes.tsv: its servings \"two\" are not a number "
                         "above 0"));
    // Deleted: gone from the list, still there for the days that logged it.
    QVERIFY(!book.find("soup"));
    QVERIFY(book.recipes().empty());
    QVERIFY(!book.inForce("SOUP", Day {3, 12, 2026})->cookedGrams);
    QCOMPARE(*book.inForce("Soup", Day {7, 12, 2026})->cookedGrams, 80.0);
    QCOMPARE(*book.inForce("Soup", Day {20, 12, 2026})->cookedGrams, 80.0);
    QVERIFY(!book.inForce("Soup", Day {1, 11, 2026})->cookedGrams);
    QVERIFY(!book.inForce("Stew", Day {7, 12, 2026}));
    // An entry logged on the 7th with the first definition's 0.4 kcal per gram keeps it.
    Nutrients first {};
    first[Nutrient::Calories] = 0.4f;
    QVERIFY(!book.inForce("Soup", Day {7, 12, 2026}, &first)->cookedGrams);

    Recipe tea = recipe("Tea", {ingredient("Milk", 0.5f, "cup", 240.0f, 0.6f)});
    tea.since = Day {8, 12, 2026};
    QVERIFY(book.define(tea));
    const std::string teaLine =
        "Tea\t2026-12-08\t1\t-\tMilk\t0.5\tcup\t240\t60\t-\t-\t-\t-\t-\t-\t-\t-\t-";
    QCOMPARE(RecipeBook::formatLine(tea), teaLine);

    TempFolder folder;
    const auto file = folder / RecipeBook::FileName;
    QVERIFY(book.save(file).ok());
    RecipeBook again;
    QVERIFY(again.load(file).ok());
    QCOMPARE(again.text(), kFile + teaLine + "\n");
    QCOMPARE(again.skipped().size(), std::size_t(1));
    QCOMPARE(again.recipes().size(), std::size_t(1));
    QCOMPARE(again.find("tea")->ingredients[0].gramsPerUnit, 240.0f);
}

void TestRecipeBook::numbers()
{
    // 100 g of oats (50 kcal, 10 g protein) and a 200 g cup of milk (200 kcal, 10 g protein),
    // four servings, cooked down to 250 g.
    Recipe porridge = recipe("Porridge",
                             {ingredient("Oats", 2.0f, "portion", 50.0f, 0.5f, 0.1f),
                              ingredient("Milk", 1.0f, "cup", 200.0f, 1.0f, 0.05f)});
    porridge.servings = 4.0;
    QCOMPARE(porridge.totalGrams(), 300.0);
    porridge.cookedGrams = 250.0;
    QCOMPARE(porridge.perServing()[Nutrient::Calories], 62.5f);
    QCOMPARE(porridge.perServing()[Nutrient::Protein], 5.0f);
    QCOMPARE(porridge.perGram()[Nutrient::Calories], 1.0f);
    QCOMPARE(porridge.perGram()[Nutrient::Protein], 0.08f);

    const MealEntry logged = porridge.entry(1.5, "SERVING");
    QCOMPARE(logged.unit, std::string("serving"));
    QCOMPARE(logged.gramsPerUnit, 62.5f);
    QCOMPARE(logged.contribution(Nutrient::Calories), 93.75f);
    QCOMPARE(porridge.entry(1, "whole recipe").contribution(Nutrient::Protein), 20.0f);
    QCOMPARE(*porridge.gramsPerUnit("oz"), 28.349523125);
    QVERIFY(!porridge.gramsPerUnit("cup"));

    // 93.75 g of 250 g: three eighths of each ingredient, at its own values.
    const std::vector<MealEntry> parts = porridge.split(logged);
    QCOMPARE(parts.size(), std::size_t(2));
    QCOMPARE(parts[0].amount, 0.75f);
    QCOMPARE(parts[1].amount, 0.375f);
    QCOMPARE(parts[1].gramsPerUnit, 200.0f);
    QCOMPARE(parts[0].contribution(Nutrient::Calories) + parts[1].contribution(Nutrient::Calories),
             93.75f);

    // Vitamin C known for the oats only stays unknown; potassium (30 + 60 mg) is 0.36 mg/g.
    const FoodNutrients perGram = porridge.perGramOf([](const MealEntry &part) {
        FoodNutrients amounts;
        amounts.set(NutrientId::Potassium, part.name == "Oats" ? 30.0f : 60.0f);
        if (part.name == "Oats")
            amounts.set(NutrientId::VitaminC, 5.0f);
        return amounts;
    });
    QVERIFY(!perGram.known(NutrientId::VitaminC));
    QCOMPARE(perGram.value(NutrientId::Potassium), 0.36f);
}

void TestRecipeBook::loopRefused()
{
    RecipeBook book;
    QVERIFY(book.define(recipe("Stock", {ingredient("Bones", 1, "g", 1, 0)})));
    QVERIFY(book.define(
        recipe("Stew", {ingredient("Carrot", 1, "g", 1, 0), ingredient("Stock", 1, "g", 1, 0)})));
    std::string why;
    QVERIFY(!book.define(recipe("Stock", {ingredient("Stew", 1, "g", 1, 0)}), &why));
    QCOMPARE(why, std::string("the recipe would contain itself: Stock > Stew > Stock"));
    QVERIFY(!book.define(recipe("Broth", {ingredient("broth", 1, "g", 1, 0)}), &why));
    QCOMPARE(why, std::string("the recipe would contain itself: Broth > broth"));
    QCOMPARE(book.find("stock")->ingredients[0].name, std::string("Bones"));
    QVERIFY(!book.find("Broth"));
}

QTEST_GUILESS_MAIN(TestRecipeBook)
#include "tst_recipebook.moc"
