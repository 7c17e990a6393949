// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/NutrientGoals.h"

#include <QtTest>

using Kind = NutrientGoals::Kind;

class TestNutrientGoals : public QObject
{
    Q_OBJECT

private slots:
    void kinds();
    void typedGoals_data();
    void typedGoals();
    void progressAndText();
    void preview();
};

void TestNutrientGoals::kinds()
{
    NutrientGoals goals;
    for (const int nutrient : {Nutrient::Calories, Nutrient::Protein, Nutrient::Fiber,
                               Nutrient::Calcium, Nutrient::Carbohydrates})
        QCOMPARE(goals.kind(nutrient), Kind::Target);
    for (const int nutrient : {Nutrient::SaturatedFat, Nutrient::Cholesterol, Nutrient::Sugars,
                               Nutrient::Sodium, Nutrient::Fat})
        QCOMPARE(goals.kind(nutrient), Kind::Limit);

    // Only fat and carbohydrates change kind.
    goals.setKindText(Nutrient::Fat, "target");
    goals.setKindText(Nutrient::Carbohydrates, "limit");
    goals.setKindText(Nutrient::Sodium, "target");
    goals.setKindText(Nutrient::Calories, "limit");
    goals.setKindText(Nutrient::Protein, "nonsense");
    QCOMPARE(goals.kind(Nutrient::Fat), Kind::Target);
    QCOMPARE(goals.kind(Nutrient::Carbohydrates), Kind::Limit);
    QCOMPARE(goals.kind(Nutrient::Sodium), Kind::Limit);
    QCOMPARE(goals.kind(Nutrient::Calories), Kind::Target);

    QCOMPARE(NutrientGoals::settingsKey(Nutrient::Calories), std::string("Goals/Calories"));
    QCOMPARE(NutrientGoals::settingsKey(Nutrient::SaturatedFat), std::string("Goals/SaturatedFat"));
    QCOMPARE(NutrientGoals::settingsKey(Nutrient::Fiber), std::string("Goals/Fibre"));
    QCOMPARE(NutrientGoals::kindKey(Nutrient::Fat), std::string("Goals/FatKind"));
    QCOMPARE(NutrientGoals::kindKey(Nutrient::Sodium), std::string());
}

void TestNutrientGoals::typedGoals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: no goal

    QTest::newRow("whole") << "2000"
                           << "2000";
    QTest::newRow("decimal point") << " 65.50"
                                   << "65.5";
    QTest::newRow("comma is no decimal point") << "1,5"
                                               << "1";
    QTest::newRow("two decimals") << "12.25"
                                  << "12.25";
    QTest::newRow("unit after the number") << "300 mg"
                                           << "300";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("zero") << "0"
                          << "";
    QTest::newRow("negative") << "-5"
                              << "";
    QTest::newRow("no number") << "lots"
                               << "";
    QTest::newRow("too large") << "1e999"
                               << "";
}

void TestNutrientGoals::typedGoals()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    NutrientGoals goals;
    goals.setGoalText(Nutrient::Protein, "50");
    goals.setGoalText(Nutrient::Protein, typed.toStdString());
    QCOMPARE(QString::fromStdString(goals.goalText(Nutrient::Protein)), stored);
    QCOMPARE(goals.hasGoal(Nutrient::Protein), !stored.isEmpty());
}

void TestNutrientGoals::progressAndText()
{
    NutrientGoals goals;
    QVERIFY(!goals.progress(Nutrient::Calories, 515).hasGoal);
    QCOMPARE(goals.progressText(Nutrient::Calories, 515), std::string());

    goals.setGoalText(Nutrient::Calories, "2000");
    goals.setGoalText(Nutrient::Sodium, "2300");
    goals.setGoalText(Nutrient::Fat, "70");

    NutrientGoals::Progress p = goals.progress(Nutrient::Calories, 515);
    QVERIFY(p.hasGoal);
    QCOMPARE(p.fraction, 0.2575);
    QVERIFY(!p.reached && !p.exceeded);
    QCOMPARE(goals.progressText(Nutrient::Calories, 515), std::string("515 of 2000"));
    QCOMPARE(goals.progressText(Nutrient::Calories, 0), std::string("0 of 2000"));
    QVERIFY(goals.progress(Nutrient::Calories, 2000).reached); // a target is reached at the goal
    QVERIFY(!goals.progress(Nutrient::Calories, 2500).exceeded); // and never exceeded

    QVERIFY(!goals.progress(Nutrient::Sodium, 2300).exceeded); // a limit only above it
    p = goals.progress(Nutrient::Sodium, 2301);
    QVERIFY(p.exceeded && !p.reached);
    QCOMPARE(goals.progressText(Nutrient::Sodium, 2301), std::string("2301 of 2300 mg"));
    QCOMPARE(goals.progressText(Nutrient::Fat, 4.5), std::string("4.5 of 70 g"));
}

void TestNutrientGoals::preview()
{
    NutrientGoals goals;
    goals.setGoalText(Nutrient::Calories, "2000");
    goals.setGoalText(Nutrient::Sodium, "2300");

    // A "+" portion that reaches the target, one that breaks the limit, and a "-" entry that
    // brings the day back under it.
    QVERIFY(goals.preview(Nutrient::Calories, 1900, 150).reached);
    QVERIFY(!goals.preview(Nutrient::Calories, 1900, 50).reached);
    QVERIFY(goals.preview(Nutrient::Sodium, 2200, 300).exceeded);
    const NutrientGoals::Progress after = goals.preview(Nutrient::Sodium, 2400, -200);
    QVERIFY(!after.exceeded);
    QCOMPARE(after.fraction, 0.9565217391304348);
    QCOMPARE(goals.preview(Nutrient::Sodium, 100, -300).fraction, 0.0);
}

QTEST_GUILESS_MAIN(TestNutrientGoals)
#include "tst_nutrientgoals.moc"
