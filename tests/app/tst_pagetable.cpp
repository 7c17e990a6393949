// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"

#include <QtTest>

class TestPageTable : public QObject
{
    Q_OBJECT

private slots:
    void dialogUnitsToPixels();
    void pagesOutsideTheRangeShowSettings();
};

void TestPageTable::dialogUnitsToPixels()
{
    using namespace DialogLayout;
    // MulDiv rounds halves away from zero: 283 * 6 / 4 = 424.5 -> 425.
    QCOMPARE(pixelRect(FoodButton), (Rect {425, 20, 24, 16}));
    QCOMPARE(pixelRect(DayStrip), (Rect {0, 44, 638, 54}));
    QCOMPARE(pixelRect(NutrientPanel), (Rect {12, 137, 153, 332}));
    QCOMPARE(pixelRect(MealList), (Rect {177, 336, 455, 127}));
    QCOMPARE(mulDiv(-3, 6, 4), -5);
    QVERIFY(control(OvulationButton).visibleAtStart);
    QVERIFY(control(CommunityButton).visibleAtStart);
}

void TestPageTable::pagesOutsideTheRangeShowSettings()
{
    QCOMPARE(PageTable::Normalized(0), 5);
    QCOMPARE(PageTable::Normalized(-1), 5);
    QCOMPARE(PageTable::Normalized(6), 5);
    QCOMPARE(PageTable::Normalized(3), 3);
    QCOMPARE(PageTable::ButtonOf(9), DialogLayout::SettingsButton);
    QCOMPARE(PageTable::ControlsOf(4).size(), std::size_t(1));
    QCOMPARE(PageTable::ControlsOf(1).size(), std::size_t(10));
}

QTEST_GUILESS_MAIN(TestPageTable)
#include "tst_pagetable.moc"
