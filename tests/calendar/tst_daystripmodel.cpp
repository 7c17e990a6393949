// SPDX-License-Identifier: GPL-3.0-or-later
// The day strip's arithmetic: which days the cells show, their markers, what a click means and
// how the selection and the strip move.
#include "calendar/DayStripModel.h"

#include <QtTest>
#include <clocale>

using namespace DayStripModel;

namespace {

constexpr std::int64_t kNow = 1796463000; // Saturday 5 December 2026, 09:30 UTC

void setZone(const char *zone)
{
    qputenv("TZ", zone);
    tzset();
}

Selection startingAt(std::int64_t now)
{
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(now);
    return {today.day, today.month, today.year, now - 14 * DayFiles::SecondsPerDay, 29};
}

} // namespace

class TestDayStripModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_TIME, "C"); } // English weekday names
    void init() { setZone("UTC"); }
    void cleanupTestCase() { setZone("UTC"); }
    void startShowsTodayInTheMiddle();
    void daylightSavingNeitherRepeatsNorSkips();
    void markers();
    void pageForClick_data();
    void pageForClick();
    void moveSelection_data();
    void moveSelection();
    void scrollKeepsTheSelectionInItsCell();
};

void TestDayStripModel::startShowsTodayInTheMiddle()
{
    const std::vector<DayCell> cells = LayoutCells(startingAt(kNow), 638, 54, {});
    QCOMPARE(cells.size(), std::size_t(29));
    QCOMPARE(cells[0].date, (DayFiles::LocalDate {21, 11, 2026}));
    QCOMPARE(cells[14].date, (DayFiles::LocalDate {5, 12, 2026}));
    QCOMPARE(cells[28].date, (DayFiles::LocalDate {19, 12, 2026}));
    QCOMPARE(cells[14].weekday, std::string("Sat"));
    QVERIFY(cells[14].weekend && cells[15].weekend && !cells[16].weekend);
    QCOMPARE(cells[16].dayCaption, std::string("7"));

    // Cells share the width between the two 20-pixel margins; the height leaves 2 pixels.
    const float width = 598.0f / 29.0f;
    QCOMPARE(cells[0].rect.x, 20.0f);
    QCOMPARE(cells[28].rect.x, 20.0f + 28 * width);
    QCOMPARE(cells[28].rect.height, 52.0f);
}

void TestDayStripModel::daylightSavingNeitherRepeatsNorSkips()
{
    // Started at 23:30 on 14 March (central Europe): steps of 86,400 seconds reach 00:30 on
    // 30 March once the clocks have gone forward on the 29th, and would skip the 29th.
    setZone("CET-1CEST,M3.5.0,M10.5.0/3");
    Selection selection = startingAt(1773527400 + 14 * DayFiles::SecondsPerDay);
    QCOMPARE(DayFiles::LocalDateOf(selection.firstDay), (DayFiles::LocalDate {14, 3, 2026}));
    const std::vector<DayCell> cells = LayoutCells(selection, 638, 54, {});
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const std::int64_t previous = DayFiles::NoonOf(
            cells[i - 1].date.day, cells[i - 1].date.month, cells[i - 1].date.year);
        QCOMPARE(DayFiles::LocalDateOf(previous + DayFiles::SecondsPerDay), cells[i].date);
    }
    QCOMPARE(cells[15].date, (DayFiles::LocalDate {29, 3, 2026}));
}

void TestDayStripModel::markers()
{
    // Each cell asks for its own date's markers.
    const MarkerSource source = [](const DayFiles::LocalDate &date) {
        return Markers {date.month == 12 && (date.day == 1 || date.day == 2),
                        date.month == 12 && date.day == 5};
    };
    const std::vector<DayCell> cells = LayoutCells(startingAt(kNow), 638, 54, source);
    const auto cellOf = [&](int day) {
        return cells[std::size_t(14 - 5 + day)];
    };
    QVERIFY(cellOf(1).hasData && !cellOf(1).hasNote);
    QVERIFY(cellOf(2).hasData);
    QVERIFY(!cellOf(3).hasData && !cellOf(4).hasNote);
    QVERIFY(cellOf(5).hasNote && !cellOf(5).hasData);
    QVERIFY(!cells[0].hasData && !cells[28].hasNote);
}

void TestDayStripModel::pageForClick_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("page");
    // A cell 52 pixels high: Food above 26, the Diary above 46.28, then page 4.
    QTest::newRow("top") << 0.0f << 1;
    QTest::newRow("just above the middle") << 25.9f << 1;
    QTest::newRow("middle") << 26.0f << 3;
    QTest::newRow("just above 89 %") << 46.2f << 3;
    QTest::newRow("bottom edge") << 46.5f << 4;
    QTest::newRow("last row") << 51.0f << 4;
}

void TestDayStripModel::pageForClick()
{
    QFETCH(float, y);
    QFETCH(int, page);
    QCOMPARE(PageForClick(y, 52.0f), page);
}

void TestDayStripModel::moveSelection_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstCellDay"); // day of the month in the first cell, same month
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected"); // selected d.m.yyyy
    QTest::addColumn<int>("expectedOffset"); // selected cell after the move

    const int left = int(Key::Left), right = int(Key::Right), up = int(Key::Up);
    const int down = int(Key::Down);
    QTest::newRow("right inside") << 10 << 12 << 2026 << 1 << right << "11.12.2026" << 10;
    QTest::newRow("right on the last cell") << 29 << 12 << 2026 << 1 << right << "30.12.2026" << 28;
    QTest::newRow("left on the first cell") << 1 << 12 << 2026 << 1 << left << "30.11.2026" << 0;
    // A month up moves the strip 30 days, then only as far as needed to show the new day.
    QTest::newRow("up, strip follows") << 31 << 1 << 2027 << 17 << up << "3.3.2027" << 15;
    QTest::newRow("up from 31 January") << 31 << 1 << 2027 << 3 << up << "3.3.2027" << 28;
    QTest::newRow("up from 31 January, leap year")
        << 31 << 1 << 2028 << 3 << up << "2.3.2028" << 28;
    QTest::newRow("down across the year") << 15 << 1 << 2027 << 1 << down << "15.12.2026" << 13;
}

void TestDayStripModel::moveSelection()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, firstCellDay);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QFETCH(int, expectedOffset);

    Selection selection {day, month, year, DayFiles::NoonOf(firstCellDay, month, year), 29};
    MoveSelection(selection, Key(key));
    QCOMPARE(QStringLiteral("%1.%2.%3").arg(selection.day).arg(selection.month).arg(selection.year),
             expected);
    const std::int64_t selected = DayFiles::NoonOf(selection.day, selection.month, selection.year);
    QCOMPARE((selected - selection.firstDay) / DayFiles::SecondsPerDay, qint64(expectedOffset));
}

void TestDayStripModel::scrollKeepsTheSelectionInItsCell()
{
    Selection selection = startingAt(kNow);
    Scroll(selection, Key::Right);
    QCOMPARE((DayFiles::LocalDate {selection.day, selection.month, selection.year}),
             (DayFiles::LocalDate {6, 12, 2026}));
    QCOMPARE(selection.firstDay, kNow - 13 * DayFiles::SecondsPerDay);
    Scroll(selection, Key::Left);
    Scroll(selection, Key::Left);
    QCOMPARE(selection.day, 4);
    QCOMPARE(selection.firstDay, kNow - 15 * DayFiles::SecondsPerDay);
}

QTEST_GUILESS_MAIN(TestDayStripModel)
#include "tst_daystripmodel.moc"
