// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodTestData.h"
#include "food/NutrientDataWriter.h"
#include "food/UserFoodTable.h"
#include "meals/MealRecord.h"
#include "nutrition/DayNutrition.h"
#include "nutrition/PeriodNutrition.h"

#include <QtTest>

// A day's and a period's nutrients: the ten as the panel totals them, the others from the food
// each entry names, unknown kept apart from 0, and how much of the calories each one covers.
class TestDayNutrition : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookupByNameAndIndex();
    void oneDay();
    void averageOverLoggedDays();
    void foodsThatGaveANutrientOverDays();

private:
    FoodDatabase m_database;
    NutrientData m_data;
    std::vector<std::uint8_t> m_bytes;
};

namespace {

// Per gram: Apple 0.52 kcal, vitamin C 0.046 mg, potassium 1.07 mg, iron a known 0; Bread 2.65
// kcal, potassium 1.15 mg, vitamin C and iron unknown.
FoodNutrients appleNutrients()
{
    FoodNutrients n;
    n.set(NutrientId::Energy, 0.52f);
    n.set(NutrientId::Carbohydrates, 0.138f);
    n.set(NutrientId::VitaminC, 0.046f);
    n.set(NutrientId::Potassium, 1.07f);
    n.set(NutrientId::Iron, 0.0f);
    return n;
}

FoodNutrients breadNutrients()
{
    FoodNutrients n;
    n.set(NutrientId::Energy, 2.65f);
    n.set(NutrientId::Potassium, 1.15f);
    return n;
}

MealEntry entry(std::string name, float calories, float gramsPerUnit, float amount)
{
    MealEntry e;
    e.name = std::move(name);
    e.nutrients[Nutrient::Calories] = calories;
    e.gramsPerUnit = gramsPerUnit;
    e.amount = amount;
    return e;
}

MealEntry apple()
{
    MealEntry e = entry("Apple", 0.52f, 182.0f, 1.0f);
    e.nutrients[Nutrient::Carbohydrates] = 0.138f;
    return e;
}
MealEntry bread()
{
    return entry("Bread", 2.65f, 30.0f, 2.0f);
}
MealEntry quickAdd()
{
    return entry("Quick add", 100.0f, 1.0f, 1.0f);
}

void compareNear(std::optional<double> actual, double expected)
{
    QVERIFY(actual.has_value());
    QVERIFY2(std::abs(*actual - expected) <= 1e-4 * std::max(1.0, std::abs(expected)),
             qPrintable(QString::number(*actual, 'g', 10)));
}

} // namespace

void TestDayNutrition::init()
{
    FoodFormat::Nutrients appleTen {}, breadTen {};
    appleTen[Nutrient::Calories] = 0.52f;
    appleTen[Nutrient::Carbohydrates] = 0.138f;
    breadTen[Nutrient::Calories] = 2.65f;
    QVERIFY(
        FoodTestData::loadFoods(m_database,
                                {FoodTestData::food("Apple", FoodFormat::WeightPair, appleTen),
                                 FoodTestData::food("Bread", FoodFormat::WeightPair, breadTen)}));
    NutrientDataWriter writer;
    writer.addFood(appleNutrients());
    writer.addFood(breadNutrients());
    m_bytes = writer.bytes();
    QVERIFY(m_data.load(m_bytes));
}

void TestDayNutrition::lookupByNameAndIndex()
{
    FoodFormat::Nutrients bananaTen {};
    bananaTen[Nutrient::Calories] = 0.89f;
    QCOMPARE(m_database.addUserFoods({FoodDatabaseWriter::recordBytes(
                 FoodTestData::food("Banana, mine", FoodFormat::WeightPair, bananaTen))}),
             1);
    NutrientLookup lookup(m_database, m_data);
    QVERIFY(lookup.matchesDatabase());

    // Bread moved to index 2 behind the own food, and still finds its own data.
    QCOMPARE(lookup.byName("Bread")->perGram(NutrientId::Potassium), std::optional<double>(1.15f));
    QVERIFY(*lookup.byIndex(2) == breadNutrients());
    QVERIFY(*lookup.byName("Apple") == appleNutrients());
    QVERIFY(!lookup.byName("apple")); // names are matched exactly
    QVERIFY(!lookup.byName("Quick add"));

    // An own food without a source for it: the ten it stores, the rest unknown.
    const std::optional<FoodNutrients> banana = lookup.byName("Banana, mine");
    QCOMPARE(banana->perGram(NutrientId::Energy), std::optional<double>(0.89f));
    QCOMPARE(banana->knownCount(), 1);
    QCOMPARE(lookup.byIndex(1)->knownCount(), 1);

    // With one plugged in, it answers for its foods, also those the database does not hold.
    lookup.setOwnFoods([](std::string_view name, const std::optional<DayFiles::LocalDate> &,
                          const Nutrients *) -> std::optional<FoodNutrients> {
        if (name != "Banana, mine" && name != "Soup, deleted")
            return std::nullopt;
        FoodNutrients n;
        n.set(NutrientId::VitaminC, 0.087f);
        return n;
    });
    QCOMPARE(lookup.byName("Banana, mine")->perGram(NutrientId::VitaminC),
             std::optional<double>(0.087f));
    QVERIFY(lookup.byName("Soup, deleted").has_value());
    QVERIFY(!lookup.byName("Quick add"));

    // The user's table: an entry finds the food as it was when it was logged, told by the ten it
    // stores, else by its day (the change took effect on the 5th).
    UserFoodTable bananas;
    bananas.parse("#<\t2026-12-05\tBanana, mine\tg\t80\t-\t-\t-\t-\t-\t-\t-\t-\t-"
                  "\tvitamin_c=8\n"
                  "Banana, mine\tg\t89\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                  "#+\tBanana, mine\tvitamin_c=10\n");
    lookup.setOwnFoods(NutrientLookup::ownFoodsOf(bananas));
    const MealEntry now = entry("Banana, mine", 0.89f, 100.0f, 1.0f);
    const MealEntry before = entry("Banana, mine", 0.8f, 100.0f, 1.0f);
    const MealEntry neither = entry("Banana, mine", 0.5f, 100.0f, 1.0f);
    const auto vitaminC = [&](const MealEntry &logged, int day) {
        return lookup.entry(logged, DayFiles::LocalDate {day, 12, 2026})
            .amounts.perGram(NutrientId::VitaminC);
    };
    compareNear(vitaminC(before, 6), 8.0);
    compareNear(vitaminC(now, 4), 10.0);
    compareNear(vitaminC(neither, 4), 8.0);
    compareNear(vitaminC(neither, 5), 10.0);

    // A side table from another build is not trusted for the shipped foods.
    NutrientDataWriter other;
    other.addFood(appleNutrients());
    const std::vector<std::uint8_t> otherBytes = other.bytes();
    NutrientData otherData;
    QVERIFY(otherData.load(otherBytes));
    const NutrientLookup mismatched(m_database, otherData);
    QVERIFY(!mismatched.matchesDatabase());
    QVERIFY(!mismatched.byName("Apple")->known(NutrientId::VitaminC));
}

void TestDayNutrition::oneDay()
{
    const NutrientLookup lookup(m_database, m_data);
    const std::vector<MealEntry> entries = {apple(), bread(), quickAdd()};
    const DayNutrition day(entries, lookup);
    const NutrientTotals &totals = day.totals();
    // 182 g of apple 94.64 kcal, 60 g of bread 159 kcal, the quick add 100 kcal.
    constexpr double Calories = 94.64 + 159.0 + 100.0;
    compareNear(totals.calories(), Calories);
    QCOMPARE(totals.amount(NutrientId::Energy),
             std::optional<double>(MealRecord::Totals(entries)[Nutrient::Calories]));
    QCOMPARE(totals.entryCount(), 3);
    QCOMPARE(totals.loggedDays(), 1);

    compareNear(totals.amount(NutrientId::VitaminC), 182 * 0.046);
    compareNear(totals.coverage(NutrientId::VitaminC), 94.64 / Calories);
    compareNear(totals.amount(NutrientId::Potassium), 182 * 1.07 + 60 * 1.15);
    compareNear(totals.coverage(NutrientId::Potassium), (94.64 + 159) / Calories);
    // Known to be 0 for the apple alone: a value, not unknown.
    QCOMPARE(totals.amount(NutrientId::Iron), std::optional<double>(0.0));
    compareNear(totals.coverage(NutrientId::Iron), 94.64 / Calories);
    QVERIFY(!totals.amount(NutrientId::VitaminD).has_value());
    QCOMPARE(totals.coverage(NutrientId::VitaminD), 0.0);
    // Carbohydrates: the apple's stored value; bread and the quick add store 0 and know nothing.
    compareNear(totals.amount(NutrientId::Carbohydrates), 182 * 0.138);
    QVERIFY(!totals.complete(NutrientId::Carbohydrates));
    QVERIFY(totals.complete(NutrientId::Energy));
    QVERIFY(!day.entries()[2].found);

    const auto sources = day.sources(NutrientId::Energy);
    QCOMPARE(sources.size(), std::size_t(3));
    QCOMPARE(sources[0].entry, 1);
    QCOMPARE(sources[1].entry, 2);
    QCOMPARE(sources[2].entry, 0);
    QCOMPARE(sources[1].amount, 100.0);
    const auto potassium = day.sources(NutrientId::Potassium);
    QCOMPARE(potassium.size(), std::size_t(2));
    QCOMPARE(potassium[0].entry, 0);
    QVERIFY(day.sources(NutrientId::Iron).empty()); // a known 0 gives nothing

    // A day of foods without calories covers by entries.
    MealEntry water = entry("Apple", 0.0f, 100.0f, 1.0f);
    const NutrientTotals dry = NutrientTotals::ofDay({water, entry("Tap water", 0, 1, 1)}, lookup);
    QCOMPARE(dry.coverage(NutrientId::VitaminC), 0.5);
}

void TestDayNutrition::averageOverLoggedDays()
{
    const NutrientLookup lookup(m_database, m_data);
    const NutrientTotals period =
        NutrientTotals::ofDays({{apple(), bread(), quickAdd()}, {}, {apple()}}, lookup);
    QCOMPARE(period.loggedDays(), 2);
    compareNear(period.perDay(NutrientId::VitaminC), 182 * 0.046);
    compareNear(period.perDay(NutrientId::Energy), (94.64 + 159 + 100 + 94.64) / 2);
    compareNear(period.coverage(NutrientId::VitaminC), (2 * 94.64) / (94.64 * 2 + 259));
    QVERIFY(!period.perDay(NutrientId::VitaminD).has_value());
    QVERIFY(!NutrientTotals().perDay(NutrientId::Energy).has_value());
}

void TestDayNutrition::foodsThatGaveANutrientOverDays()
{
    const NutrientLookup lookup(m_database, m_data);
    std::vector<DayFiles::LocalDate> asked;
    // From 30 November: the run goes on into December.
    const PeriodNutrition run(
        {30, 11, 2026}, 3,
        [&](const DayFiles::LocalDate &day) {
            asked.push_back(day);
            if (day.day == 30)
                return std::vector<MealEntry> {bread(), apple(), quickAdd()};
            if (day.day == 2)
                return std::vector<MealEntry> {apple(), apple()};
            return std::vector<MealEntry> {};
        },
        lookup);
    QCOMPARE(asked,
             (std::vector<DayFiles::LocalDate> {{30, 11, 2026}, {1, 12, 2026}, {2, 12, 2026}}));
    QCOMPARE(run.dayCount(), 3);
    QCOMPARE(run.totals().loggedDays(), 2);

    // Summed by food over the days, largest first: three apples (182 g each) before the bread.
    const auto potassium = run.sources(NutrientId::Potassium);
    QCOMPARE(potassium.size(), std::size_t(2));
    QCOMPARE(potassium[0].name, std::string("Apple"));
    compareNear(potassium[0].amount, 3 * 182 * 1.07);
    QCOMPARE(potassium[1].name, std::string("Bread"));
    compareNear(potassium[1].amount, 60 * 1.15);
    // The quick add gives its calories, and nothing it does not know.
    QCOMPARE(run.sources(NutrientId::Energy).size(), std::size_t(3));
    QCOMPARE(run.sources(NutrientId::VitaminC).size(), std::size_t(1));
    QVERIFY(run.sources(NutrientId::Iron).empty());
}

QTEST_GUILESS_MAIN(TestDayNutrition)
#include "tst_daynutrition.moc"
