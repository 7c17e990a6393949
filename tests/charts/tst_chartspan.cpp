// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's longer ranges and their bars: calendar spans ending on a day, bars of a week or a
// month averaged over the days logged, and the column the pointer stands on.
#include "calendar/DayFiles.h"
#include "charts/CalorieBins.h"
#include "charts/ChartGeometry.h"
#include "charts/ChartMarks.h"
#include "charts/ChartSpan.h"

#include <QtTest>

namespace {

std::int64_t noon(int day, int month, int year)
{
    return DayFiles::NoonOf(day, month, year);
}

QString dateText(std::int64_t day)
{
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(day);
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

} // namespace

class TestChartSpan : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void spansEndOnTheDay_data();
    void spansEndOnTheDay();
    void barsAverageTheLoggedDays();
    void pointerFindsTheColumn();
};

void TestChartSpan::spansEndOnTheDay_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("last");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("days");

    using Kind = ChartSpan::Kind;
    QTest::newRow("4 weeks") << int(Kind::FourWeeks) << qint64(noon(8, 12, 2026)) << "2026-11-11"
                             << 28;
    QTest::newRow("3 months") << int(Kind::ThreeMonths) << qint64(noon(8, 12, 2026)) << "2026-09-09"
                              << 91;
    // 31 May back three months is 28 February, the month's last day.
    QTest::newRow("3 months from a long month")
        << int(Kind::ThreeMonths) << qint64(noon(31, 5, 2027)) << "2027-03-01" << 92;
    QTest::newRow("a year to a leap day")
        << int(Kind::Year) << qint64(noon(29, 2, 2028)) << "2027-03-01" << 366;
    QTest::newRow("a year over the spring clock change")
        << int(Kind::Year) << qint64(noon(8, 12, 2026)) << "2025-12-09" << 365;
    // The diary's first day (1 March 2019) to its last, which lies after today.
    QTest::newRow("all") << int(Kind::All) << qint64(noon(8, 12, 2026)) << "2019-03-01" << 2863;
}

void TestChartSpan::spansEndOnTheDay()
{
    QFETCH(int, kind);
    QFETCH(qint64, last);
    QFETCH(QString, first);
    QFETCH(int, days);

    const ChartSpan strip {noon(1, 12, 2026), 29};
    const ChartSpan::Extent diary {noon(1, 3, 2019), noon(31, 12, 2026)};
    const ChartSpan span = ChartSpan::of(ChartSpan::Kind(kind), strip, last, diary);
    QCOMPARE(dateText(span.firstDay), first);
    QCOMPARE(span.dayCount, days);
    if (ChartSpan::Kind(kind) != ChartSpan::Kind::All)
        QCOMPARE(dateText(span.lastDay()), dateText(last));
    // An empty diary shows the last 4 weeks.
    QCOMPARE(ChartSpan::of(ChartSpan::Kind::All, strip, last, std::nullopt).dayCount, 28);
    // A chosen range holds both its ends, given in either order.
    const ChartSpan chosen = ChartSpan::between(noon(31, 3, 2026), noon(28, 3, 2026));
    QCOMPARE(dateText(chosen.firstDay), QStringLiteral("2026-03-28"));
    QCOMPARE(chosen.dayCount, 4);
}

void TestChartSpan::barsAverageTheLoggedDays()
{
    // Wednesday 4 November to Tuesday 1 December 2026.
    const ChartSpan span {noon(4, 11, 2026), 28};
    const std::vector<DaySample> daily {
        {noon(4, 11, 2026), 2000.0f},  {noon(8, 11, 2026), 1000.0f},  {noon(9, 11, 2026), 1800.0f},
        {noon(10, 11, 2026), 2100.0f}, {noon(12, 11, 2026), 2400.0f}, {noon(1, 12, 2026), 1500.0f},
        {noon(2, 12, 2026), 9999.0f}}; // after the span

    const std::vector<CalorieBins::Bin> weeks =
        CalorieBins::make(daily, span, CalorieBins::Size::Week);
    QCOMPARE(weeks.size(), std::size_t(3));
    // Wednesday to Sunday: the span cuts the week; two days logged of five.
    QCOMPARE(dateText(weeks[0].firstDay), QStringLiteral("2026-11-04"));
    QCOMPARE(weeks[0].days, 5);
    QCOMPARE(weeks[0].logged, 2);
    QCOMPARE(weeks[0].average, 1500.0);
    QCOMPARE(dateText(weeks[1].firstDay), QStringLiteral("2026-11-09"));
    QCOMPARE(weeks[1].days, 7);
    QCOMPARE(weeks[1].logged, 3);
    QCOMPARE(weeks[1].average, 2100.0);
    QCOMPARE(dateText(weeks[2].firstDay), QStringLiteral("2026-11-30"));
    QCOMPARE(weeks[2].days, 2);
    QCOMPARE(weeks[2].average, 1500.0);

    const std::vector<CalorieBins::Bin> months =
        CalorieBins::make(daily, span, CalorieBins::Size::Month);
    QCOMPARE(months.size(), std::size_t(2));
    QCOMPARE(months[0].days, 27);
    QCOMPARE(months[0].logged, 5);
    QCOMPARE(months[0].average, 1860.0);
    QCOMPARE(months[0].lastLogged, 8);
    QCOMPARE(dateText(months[1].firstDay), QStringLiteral("2026-12-01"));
    QCOMPARE(months[1].days, 1);

    // Burned on a logged day and on one not logged: the week's goal grows by 450 over its three
    // logged days; the first week burned nothing.
    const std::vector<DaySample> burned {{noon(10, 11, 2026), 300.0f},
                                         {noon(11, 11, 2026), 150.0f}};
    const std::vector<double> raises =
        CalorieBins::goalRaises(weeks, CalorieBins::make(burned, span, CalorieBins::Size::Week));
    QCOMPARE(raises, (std::vector<double> {0.0, 150.0, 0.0}));

    // A day's column of 598 / 28 pixels reads as days; a year's as weeks; ten years' as months.
    QCOMPARE(CalorieBins::sizeFor(28, 598), CalorieBins::Size::Day);
    QCOMPARE(CalorieBins::sizeFor(365, 598), CalorieBins::Size::Week);
    QCOMPARE(CalorieBins::sizeFor(3650, 598), CalorieBins::Size::Month);
}

void TestChartSpan::pointerFindsTheColumn()
{
    const ChartSpan span {noon(4, 11, 2026), 28};
    const std::vector<DaySample> calories {{noon(9, 11, 2026), 1800.0f}};
    const std::vector<DaySample> weights {{noon(12, 11, 2026), 72.0f}, {noon(24, 11, 2026), 71.0f}};
    const auto size = CalorieBins::Size::Week;
    const std::vector<ChartMarks::Mark> marks = ChartMarks::make(
        CalorieBins::make(calories, span, size), CalorieBins::make(weights, span, size), span);
    QCOMPARE(marks.size(), std::size_t(2));
    // The week of 9 November holds both; a click opens its last day with either.
    QVERIFY(marks[0].calories && marks[0].weight);
    QCOMPARE(dateText(marks[0].openDay), QStringLiteral("2026-11-12"));
    QVERIFY(!marks[1].calories && marks[1].weight);

    // 638 wide: a plot of 598 pixels from x 20, 21.36 a day.
    const ChartGeometry geometry(638, 382, span.firstDay, span.dayCount);
    QCOMPARE(ChartMarks::at(marks, geometry, 20.0f + 21.36f * 5.5f), 0); // Monday 9th
    QCOMPARE(ChartMarks::at(marks, geometry, 20.0f + 21.36f * 11.9f), 0); // Sunday 15th
    QCOMPARE(ChartMarks::at(marks, geometry, 20.0f + 21.36f * 15.0f), -1); // an empty week
    QCOMPARE(ChartMarks::at(marks, geometry, 20.0f + 21.36f * 20.5f), 1);
}

QTEST_GUILESS_MAIN(TestChartSpan)
#include "tst_chartspan.moc"
