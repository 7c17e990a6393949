#include "meals/QuickAdd.h"
#include "platform/TypedNumber.h"

#include <QtTest>

class TestQuickAdd : public QObject
{
    Q_OBJECT

private slots:
    void entryAddsWhatWasTyped();
    void typedNumbers();
};

void TestQuickAdd::entryAddsWhatWasTyped()
{
    const std::optional<MealEntry> entry = QuickAdd::MakeEntry({350, 40.5, 12, 0});
    QVERIFY(entry);
    QCOMPARE(entry->name, std::string("Quick add"));
    QCOMPARE(entry->unit, std::string("serving"));
    QCOMPARE(entry->amount, 1.0f);
    QCOMPARE(entry->contribution(Nutrient::Calories), 350.0f);
    QCOMPARE(entry->contribution(Nutrient::Carbohydrates), 40.5f);
    QCOMPARE(entry->contribution(Nutrient::Fat), 12.0f);
    QCOMPARE(entry->contribution(Nutrient::Protein), 0.0f);
    QCOMPARE(entry->contribution(Nutrient::Sodium), 0.0f);
    // Two servings in the meal list: twice every value.
    MealEntry twice = *entry;
    twice.amount = 2.0f;
    QCOMPARE(twice.contribution(Nutrient::Calories), 700.0f);
    QCOMPARE(twice.contribution(Nutrient::Carbohydrates), 81.0f);

    // No energy, a negative value, or more than a day file holds: nothing to log.
    QVERIFY(!QuickAdd::MakeEntry({0, 10, 0, 0}));
    QVERIFY(!QuickAdd::MakeEntry({100, 0, -1, 0}));
    QVERIFY(!QuickAdd::MakeEntry({1e39, 0, 0, 0}));
    QVERIFY(!QuickAdd::MakeEntry({std::nan(""), 0, 0, 0}));
}

void TestQuickAdd::typedNumbers()
{
    using Kind = TypedNumber::Kind;
    QCOMPARE(TypedNumber::read("  ").kind, Kind::Empty);
    QCOMPARE(TypedNumber::read("abc").kind, Kind::NotANumber);
    QCOMPARE(TypedNumber::read("-").kind, Kind::NotANumber);
    QCOMPARE(TypedNumber::read(",5").kind, Kind::NotANumber);
    QCOMPARE(TypedNumber::read(" 12.5").value, 12.5);
    QCOMPARE(TypedNumber::read(".5").value, 0.5);
    QCOMPARE(TypedNumber::read("-3").value, -3.0);
    // As atof reads it: the number at the start counts.
    QCOMPARE(TypedNumber::read("1,5").value, 1.0);
    QCOMPARE(TypedNumber::read("2e2 g").value, 200.0);
}

QTEST_GUILESS_MAIN(TestQuickAdd)
#include "tst_quickadd.moc"
