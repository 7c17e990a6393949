// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealEntry.h"
#include "meals/NutrientText.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TestNutrientText : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void deltas_data();
    void deltas();
    void screenOrder();
};

void TestNutrientText::totals_data()
{
    QTest::addColumn<int>("nutrient");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("nine") << int(Nutrient::Fat) << 9.0f << "9.0 g";
    QTest::newRow("just over nine") << int(Nutrient::Fat) << 9.5f << "10 g";
    QTest::newRow("tiny but above 0") << int(Nutrient::Fat) << 0.04f << "0.0 g";
    QTest::newRow("calories, empty unit") << int(Nutrient::Calories) << 850.4f << "850 ";
    QTest::newRow("milligrams") << int(Nutrient::Sodium) << 1234.5f << "1234 mg";
    QTest::newRow("zero") << int(Nutrient::Protein) << 0.0f << "-";
    QTest::newRow("negative") << int(Nutrient::Sugars) << -3.0f << "-";
    QTest::newRow("not a number") << int(Nutrient::Fiber) << std::nanf("") << "-";
    QTest::newRow("six digits") << int(Nutrient::Sodium) << 999999.0f << "999999 mg";
    QTest::newRow("too long") << int(Nutrient::Sodium) << 99999999999.0f << "1e11 mg";
}

void TestNutrientText::totals()
{
    QFETCH(int, nutrient);
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NutrientText::Total(nutrient, value)), text);
}

void TestNutrientText::deltas_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("calories") << "+" << 250.0f << "+250";
    QTest::newRow("fat") << "+" << 3.27f << "+3.3";
    QTest::newRow("nine") << "-" << 9.0f << "-9.0";
    QTest::newRow("above nine") << "-" << 9.04f << "-9";
    QTest::newRow("zero") << "+" << 0.0f << "";
    QTest::newRow("negative") << "-" << -5.0f << "";
    QTest::newRow("not a number") << "+" << std::nanf("") << "";
    QTest::newRow("infinite") << "+" << std::numeric_limits<float>::infinity() << "+inf";
    QTest::newRow("five digits") << "+" << 12345.0f << "+12345";
    QTest::newRow("too long") << "+" << 99999999999.0f << "+1e11";
    QTest::newRow("too long, decimals") << "-" << 123456.0f << "-1.2e5";
}

void TestNutrientText::deltas()
{
    QFETCH(QString, sign);
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NutrientText::FormatDelta(sign.toStdString(), value)), text);
}

void TestNutrientText::screenOrder()
{
    QStringList fromTop(Nutrient::Count);
    for (int k = 0; k < Nutrient::Count; ++k) {
        const int row = NutrientText::ScreenRow(k);
        QVERIFY(row >= 0 && row < Nutrient::Count && fromTop[row].isEmpty());
        fromTop[row] = QString::fromStdString(std::string(NutrientText::Label(k)));
    }
    QCOMPARE(fromTop.join(QLatin1Char(' ')),
             QStringLiteral("Calories: Carbohydrates: Protein: Fat: Saturated fat: "
                            "Cholesterol: Fiber: Sugars: Sodium: Calcium:"));
    QCOMPARE(NutrientText::Unit(Nutrient::Calcium), "mg");
    QCOMPARE(NutrientText::Unit(Nutrient::Cholesterol), "mg");
    QCOMPARE(NutrientText::Unit(Nutrient::Calories), "");
    QCOMPARE(NutrientText::ScreenRow(Nutrient::Count), -1);
}

QTEST_GUILESS_MAIN(TestNutrientText)
#include "tst_nutrienttext.moc"
