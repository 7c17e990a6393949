// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealEntry.h"
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
    QCOMPARE(TypedNumber::read(" 12.5").value, 12.5);
    QCOMPARE(TypedNumber::read(".5").value, 0.5);
    QCOMPARE(TypedNumber::read("-3").value, -3.0);
    // A decimal comma is the point, in any language.
    QCOMPARE(TypedNumber::read("72,8").value, 72.8);
    QCOMPARE(TypedNumber::read("1,5 ").value, 1.5);
    QCOMPARE(TypedNumber::read(",5").value, 0.5);
    QCOMPARE(TypedNumber::read("0,250").value, 0.25);
    QCOMPARE(TypedNumber::withPoint(" 72,8"), std::string("72.8"));
    // Anything that is not wholly a number is refused, never cut short; a comma before three
    // figures could be a thousands separator.
    for (const char *refused : {"72abc", "2e2 g", "1,5,0", "1.5,0", "1,000", "12,345", "1 000"}) {
        const TypedNumber typed = TypedNumber::read(refused);
        QVERIFY2(typed.kind == Kind::NotANumber && typed.problem, refused);
        QCOMPARE(typed.thousands,
                 refused == std::string_view("1,000") || refused == std::string_view("12,345"));
    }
    QCOMPARE(TypedNumber::read("1,000").problemText("\"1,000\""),
             std::string("the comma in \"1,000\" could be a thousands separator or a decimal "
                         "comma; type the number without it, or with a point"));
    // Above the limits a user may type.
    QVERIFY(IsTypedAmount(100000.0) && !IsTypedAmount(100000.5));
}

QTEST_GUILESS_MAIN(TestQuickAdd)
#include "tst_quickadd.moc"
