// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealRowLayout.h"

#include <QtTest>

class TestMealRowLayout : public QObject
{
    Q_OBJECT

private slots:
    void rowHits_data();
    void rowHits();
    void rowGeometry();
    void amountText_data();
    void amountText();
    void longAmountsFitTheCell();
};

using Part = MealRowLayout::Part;
Q_DECLARE_METATYPE(MealRowLayout::Part)

void TestMealRowLayout::rowHits_data()
{
    // A 455-pixel list: amount cell from 307 to 366.
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("topRow");
    QTest::addColumn<int>("entries");
    QTest::addColumn<Part>("part");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("visibleRow");

    QTest::newRow("tick box edge") << 23 << 5 << 0 << 3 << Part::Tick << 0 << 0;
    QTest::newRow("past the tick box") << 24 << 5 << 0 << 3 << Part::Row << 0 << 0;
    QTest::newRow("amount left edge") << 307 << 30 << 0 << 3 << Part::Row << 1 << 1;
    QTest::newRow("inside amount") << 308 << 30 << 0 << 3 << Part::Amount << 1 << 1;
    QTest::newRow("inside amount right") << 365 << 71 << 0 << 3 << Part::Amount << 2 << 2;
    QTest::newRow("amount right edge") << 366 << 30 << 0 << 3 << Part::Row << 1 << 1;
    QTest::newRow("scrolled") << 10 << 50 << 4 << 9 << Part::Tick << 6 << 2;
    QTest::newRow("below the last row") << 10 << 72 << 0 << 3 << Part::None << -1 << -1;
    QTest::newRow("empty list") << 10 << 5 << -1 << 0 << Part::None << -1 << -1;
}

void TestMealRowLayout::rowHits()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, topRow);
    QFETCH(int, entries);
    QFETCH(Part, part);
    QFETCH(int, entry);
    QFETCH(int, visibleRow);

    const MealRowLayout layout(455);
    const MealRowLayout::Hit expected {part, entry, visibleRow};
    QVERIFY(layout.hitTest(x, y, topRow, entries) == expected);
}

void TestMealRowLayout::rowGeometry()
{
    const MealRowLayout layout(455);
    QCOMPARE(layout.amountLeft(), 307);
    QCOMPARE(layout.amountRight(), 366);
    QCOMPARE(layout.amountCentreX(), 336);
    QVERIFY(layout.editorBox(2) == (MealRowLayout::Box {308, 51, 58, 19}));
    QVERIFY(layout.amountFrame(24) == (MealRowLayout::Box {307, 26, 59, 20}));
    QVERIFY(layout.nameBox(48) == (MealRowLayout::Box {20, 48, 287, 24}));
    // The unit box follows the client width, which shrinks by the scroll bar.
    QVERIFY(layout.unitBox(0, 455) == (MealRowLayout::Box {372, 0, 77, 24}));
    QVERIFY(layout.unitBox(0, 440) == (MealRowLayout::Box {372, 0, 62, 24}));
}

void TestMealRowLayout::amountText_data()
{
    QTest::addColumn<float>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("49") << 49.0f << "49.0";
    QTest::newRow("49.5") << 49.5f << "50";
    QTest::newRow("150") << 150.0f << "150";
    QTest::newRow("2.37") << 2.37f << "2.4";
    QTest::newRow("0") << 0.0f << "0.0";
    QTest::newRow("negative") << -60.0f << "-60.0";
}

void TestMealRowLayout::amountText()
{
    QFETCH(float, amount);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(MealRowLayout::amountText(amount)), text);
}

void TestMealRowLayout::longAmountsFitTheCell()
{
    // Long amounts lose their decimal, then take the exponent form.
    const auto threeChars = [](const std::string &s) {
        return s.size() <= 3;
    };
    QCOMPARE(MealRowLayout::amountText(2.37f, threeChars), "2.4");
    QCOMPARE(MealRowLayout::amountText(12.7f, threeChars), "13");
    QCOMPARE(MealRowLayout::amountText(123.0f, threeChars), "123");
    QCOMPARE(MealRowLayout::amountText(9999999.0f, threeChars), "1e7");
}

QTEST_GUILESS_MAIN(TestMealRowLayout)
#include "tst_mealrowlayout.moc"
