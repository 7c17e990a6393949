// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodFilter.h"
#include "food/FoodTable.h"
#include "food/SubstitutionTable.h"

#include <QFile>
#include <QtTest>
#include <cctype>

// The shipped database: the text table, built into the resources, loaded back.
class TestFoodData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFoodRoundTrips();
    void sourceValues();
    void unitChoices();
    void resources();
    void searchFindsRealFoods();

private:
    int indexOf(std::string_view name) const;

    FoodTable m_table;
    FoodDatabase m_database;
};

void TestFoodData::initTestCase()
{
    QFile file(QStringLiteral(CORVALO_FOOD_TABLE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(m_table.parse(text.toStdString()));
    m_table.sortByName();
    QVERIFY(LoadFoodDatabase(m_database));
}

int TestFoodData::indexOf(std::string_view name) const
{
    for (int i = 0; i < m_database.recordCount(); ++i) {
        if (m_database.name(i) == name)
            return i;
    }
    return -1;
}

void TestFoodData::everyFoodRoundTrips()
{
    const auto &foods = m_table.foods();
    QCOMPARE(m_database.recordCount(), 8858);
    QCOMPARE(m_database.recordCount(), int(foods.size()));
    for (int i = 0; i < m_database.recordCount(); ++i) {
        const FoodTableEntry &food = foods[std::size_t(i)];
        const FoodRecord record = m_database.record(i);
        QCOMPARE(record.name(), std::string_view(food.name));
        FoodFormat::Nutrients values;
        UnitBlockReader units(record.nutrients(values), record.end());
        QCOMPARE(values, food.nutrients);
        QCOMPARE(units.declaredCount(), int(food.units.size()));
        QCOMPARE(units.pairKind(), food.pairKind);
        FoodUnit unit;
        for (std::size_t u = 0; units.next(unit); ++u) {
            QCOMPARE(unit.name, std::string_view(food.units[u].name));
            QCOMPARE(unit.factor, food.units[u].factor);
        }
        QCOMPARE(units.readCount(), units.readableCount());
        if (i > 0)
            QVERIFY(!FoodTable::nameLess(record.name(), m_database.name(i - 1))); // alphabetical
    }
}

void TestFoodData::sourceValues()
{
    // Values per 100 g as the USDA source gives them, per gram in the database.
    const int apples = indexOf("Apples, raw, with skin");
    QVERIFY(apples >= 0);
    const FoodRecord apple = m_database.record(apples);
    const FoodFormat::Nutrients expected = {float(52 / 100.0),
                                            float(13.81 / 100.0),
                                            float(0.17 / 100.0),
                                            float(0.26 / 100.0),
                                            float(2.4 / 100.0),
                                            float(6 / 100.0),
                                            float(1 / 100.0),
                                            float(0.028 / 100.0),
                                            0.0f,
                                            /* no cholesterol */ float(10.39 / 100.0)};
    QCOMPARE(apple.nutrients(), expected);
    QCOMPARE(apple.nutrients()[0], 0.52f);
    const FoodUnits appleUnits = apple.units();
    QCOMPARE(appleUnits.count, 7 + 2);
    QCOMPARE(appleUnits.items[1].name, std::string_view("cup, quartered or chopped"));
    QCOMPARE(appleUnits.items[1].factor, 125.0f);
    QCOMPARE(appleUnits.items[3].name, std::string_view("large (3-1/4\" dia)")); // &quot;
    QCOMPARE(appleUnits.items[7].name, std::string_view("oz"));
    QCOMPARE(appleUnits.items[8].name, std::string_view("g"));

    // A liquid: per millilitre, through its density (30.5 g in a fluid ounce of 29.5735 mL).
    const int milk = indexOf("Milk, whole, 3.25% milkfat, with added vitamin D");
    QVERIFY(milk >= 0);
    const double density = 30.5 / 29.5735;
    const FoodRecord milkRecord = m_database.record(milk);
    QVERIFY(qAbs(milkRecord.nutrients()[0] - 0.61 * density) < 1e-6);
    QVERIFY(qAbs(milkRecord.nutrients()[6] - 0.43 * density) < 1e-6); // sodium, mg
    const FoodUnits milkUnits = milkRecord.units();
    QCOMPARE(milkUnits.pairKind, FoodFormat::VolumePair);
    QCOMPARE(milkUnits.items[0].name, std::string_view("cup"));
    QVERIFY(qAbs(milkUnits.items[0].factor - 244 / density) < 1e-3); // millilitres in a cup
    QCOMPARE(milkUnits.items[2].name, std::string_view("fl oz (US)"));
    QVERIFY(qAbs(milkUnits.items[2].factor - 29.5735) < 1e-3);
    // A portion comes out the same whichever way it is measured: 1 cup = 244 g of milk.
    QVERIFY(qAbs(milkUnits.items[0].factor * milkRecord.nutrients()[0] - 2.44 * 61) < 1e-3);

    // A beverage powder has no density: it keeps the weight pair.
    const int coffee = indexOf("Coffee, instant, regular, powder");
    QVERIFY(coffee >= 0);
    QCOMPARE(m_database.record(coffee).units().pairKind, FoodFormat::WeightPair);

    // A value of 0 is not stored, and a stored "ml" would repeat the pair's "mL".
    const int water = indexOf("Water, bottled, generic");
    QVERIFY(water >= 0);
    const FoodRecord waterRecord = m_database.record(water);
    QCOMPARE(FoodFormat::readLe16(waterRecord.nutrientBlock()), std::uint16_t(0x60)); // Ca, Na
    const FoodUnits waterUnits = waterRecord.units();
    QCOMPARE(waterUnits.storedCount, 2);
    QCOMPARE(waterUnits.items[3].name, std::string_view("mL"));
}

void TestFoodData::unitChoices()
{
    const auto firstUnit = [&](std::string_view food) {
        const int index = indexOf(food);
        return index < 0 ? std::string_view("(no such food)")
                         : m_database.record(index).units().items[0].name;
    };
    // The first unit, the default, is a natural single serving.
    QCOMPARE(firstUnit("Egg, whole, raw, fresh"), std::string_view("large"));
    QCOMPARE(firstUnit("Apples, raw, with skin"), std::string_view("medium (3\" dia)"));
    QCOMPARE(firstUnit("Alcoholic beverage, wine, table, red"),
             std::string_view("serving 5 fl oz"));
    QCOMPARE(firstUnit("Milk, whole, 3.25% milkfat, with added vitamin D"),
             std::string_view("cup"));

    for (const FoodTableEntry &food : m_table.foods()) {
        // No food stores units the program never reads.
        QVERIFY2(food.units.size() <= 10, food.name.c_str());
        // No unit of a liquid passes for the pair's "fl.oz" (28.4 mL) with another size.
        if (food.pairKind != FoodFormat::VolumePair)
            continue;
        for (const FoodTableUnit &unit : food.units) {
            std::string letters;
            for (const char c : unit.name) {
                if (std::isalpha(static_cast<unsigned char>(c)))
                    letters += char(std::tolower(static_cast<unsigned char>(c)));
            }
            QVERIFY2(letters != "floz" && letters != "fluidounce" && letters != "fluidounces",
                     (food.name + ": " + unit.name).c_str());
        }
    }
    // Trimmed to ten, a tomato keeps its slices and wedge.
    const FoodUnits tomato =
        m_database.record(indexOf("Tomatoes, red, ripe, raw, year round average")).units();
    QCOMPARE(tomato.storedCount, 10);
    QCOMPARE(tomato.items[9].name, std::string_view("wedge (1/4 of medium tomato)"));
    QCOMPARE(tomato.items[6].name, std::string_view("slice, medium (1/4\" thick)"));
}

void TestFoodData::resources()
{
    const QByteArray table = LoadDbResource(138);
    const QByteArray stored = LoadDbResource(137);
    QCOMPARE(table.size(), 256);
    const SubstitutionTable::Table fixed = SubstitutionTable::fixedTable();
    QVERIFY(std::equal(fixed.begin(), fixed.end(),
                       reinterpret_cast<const std::uint8_t *>(table.constData())));
    QCOMPARE(stored.size(), qsizetype(m_database.size()));
    QVERIFY(!stored.contains("Apples, raw")); // enciphered
    QVERIFY(!LoadDbResource(139).isEmpty()); // the nutrient side table
    QVERIFY(LoadDbResource(140).isEmpty());
}

void TestFoodData::searchFindsRealFoods()
{
    FoodFilter filter(m_database);
    QCOMPARE(filter.setSearchText("raw apple", 9), FoodFilter::Change::Recomputed);
    QVERIFY(filter.filteredRecords().size() > 1);
    QVERIFY(std::count(filter.filteredRecords().begin(), filter.filteredRecords().end(),
                       indexOf("Apples, raw, with skin")) == 1);
    for (const int record : filter.filteredRecords()) {
        const std::string_view text = m_database.searchText(record);
        QVERIFY(text.find(" raw") != text.npos && text.find(" apple") != text.npos);
    }
}

QTEST_GUILESS_MAIN(TestFoodData)
#include "tst_fooddata.moc"
