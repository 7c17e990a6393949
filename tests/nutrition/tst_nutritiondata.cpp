// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseResource.h"
#include "food/NutrientData.h"
#include "nutrition/NutrientLookup.h"

#include <QtTest>

// The shipped nutrient side table, embedded beside the food database. Expected values are the
// USDA SR24 archive's own, per 100 g, turned into per-gram amounts here.
class TestNutritionData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theTenAreTheDatabases();
    void sourceValues();

private:
    std::optional<double> perGram(std::string_view food, int id) const;

    QByteArray m_bytes;
    FoodDatabase m_database;
    NutrientData m_data;
};

void TestNutritionData::initTestCase()
{
    QVERIFY(LoadFoodDatabase(m_database));
    m_bytes = LoadDbResource(139);
    QVERIFY(m_data.load({reinterpret_cast<const std::uint8_t *>(m_bytes.constData()),
                         std::size_t(m_bytes.size())}));
    QCOMPARE(m_data.foodCount(), 8858);
    QVERIFY(NutrientLookup(m_database, m_data).matchesDatabase());
}

std::optional<double> TestNutritionData::perGram(std::string_view food, int id) const
{
    const std::optional<FoodNutrients> nutrients = NutrientLookup(m_database, m_data).byName(food);
    if (!nutrients)
        return std::nullopt;
    return nutrients->perGram(id);
}

// Every food's ten values are the ones its record stores, and where the record stores 0 the side
// table has 0 or unknown.
void TestNutritionData::theTenAreTheDatabases()
{
    int known = 0;
    for (int i = 0; i < m_database.recordCount(); ++i) {
        const FoodFormat::Nutrients stored = m_database.record(i).nutrients();
        const FoodNutrients all = m_data.food(i);
        for (int k = 0; k < Nutrient::Count; ++k) {
            const int id = NutrientCatalogue::fromStored(k);
            QCOMPARE(all.value(id), stored[k]);
            known += all.known(id);
        }
        for (int id = 0; id < NutrientCatalogue::Count; ++id)
            QVERIFY(!all.known(id) || all.value(id) >= 0.0f);
    }
    // The archive holds 84,274 values of the ten (Energy 8,857, Protein 8,856, ... Sugars 6,406),
    // zeros included; every one is kept as known.
    QCOMPARE(known, 84274);
}

void TestNutritionData::sourceValues()
{
    const auto per100 = [](double value) {
        return std::optional<double>(float(value / 100.0));
    };
    constexpr std::string_view Apple = "Apples, raw, with skin";
    QCOMPARE(perGram(Apple, NutrientId::VitaminC), per100(4.6));
    QCOMPARE(perGram(Apple, NutrientId::Potassium), per100(107));
    QCOMPARE(perGram(Apple, NutrientId::Fluoride), per100(3.3));
    QCOMPARE(perGram(Apple, NutrientId::Leucine), per100(0.013));
    QCOMPARE(perGram(Apple, NutrientId::VitaminD), per100(0)); // known to be 0
    QVERIFY(!perGram(Apple, NutrientId::TransFat)); // not in the source: unknown
    // The source has no selenium for abiyuch; 0 for apples.
    QVERIFY(!perGram("Abiyuch, raw", NutrientId::Selenium));
    QCOMPARE(perGram(Apple, NutrientId::Selenium), per100(0));

    // Vitamin A in ug RAE: beta-carotene 27 / 12 + beta-cryptoxanthin 11 / 24 (retinol and
    // alpha-carotene 0); the source's 54 IU kept as they are.
    QCOMPARE(perGram(Apple, NutrientId::VitaminA), per100(2.70833));
    QCOMPARE(perGram(Apple, NutrientId::VitaminAIu), per100(54));
    constexpr std::string_view Spinach = "Spinach, raw";
    QCOMPARE(perGram(Spinach, NutrientId::VitaminA), per100(468.833)); // 5626 / 12
    QCOMPARE(perGram(Spinach, NutrientId::VitaminK), per100(482.9));
    QCOMPARE(perGram(Spinach, NutrientId::Folate), per100(194));
    // Abiyuch lacks beta-cryptoxanthin, but its 100 IU are all beta-carotene's 60 ug (0.6 ug an
    // IU): 60 / 12 = 5 ug RAE.
    QCOMPARE(perGram("Abiyuch, raw", NutrientId::VitaminA), per100(5));

    // Milk is measured by volume: the source's 51 IU of vitamin D per 100 g, 40 IU an ug, at
    // its fl oz of 30.5 g (29.5735 mL).
    const std::optional<double> vitaminD =
        perGram("Milk, whole, 3.25% milkfat, with added vitamin D", NutrientId::VitaminD);
    QVERIFY(vitaminD.has_value());
    QVERIFY(std::abs(*vitaminD - 51.0 / 40 / 100 * 30.5 / 29.5735) < 1e-6);
}

QTEST_MAIN(TestNutritionData)
#include "tst_nutritiondata.moc"
