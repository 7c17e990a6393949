// SPDX-License-Identifier: GPL-3.0-or-later
// The weight trend (a moving average carried over days without a weight), its rate in words,
// and the calorie scale stretched to show a goal.
#include "calendar/DayFiles.h"
#include "charts/ChartGeometry.h"
#include "charts/WeightTrend.h"

#include <QtTest>

class TestWeightTrend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    void trendOfEachDay();
    void rateInWords();
    void calorieScaleWithGoal();
};

void TestWeightTrend::trendOfEachDay()
{
    const std::vector<DaySample> weights {{DayFiles::NoonOf(1, 12, 2026), 80.0f},
                                          {DayFiles::NoonOf(2, 12, 2026), 79.0f},
                                          {DayFiles::NoonOf(4, 12, 2026), 78.0f}};
    const WeightTrend trend(weights);
    QVERIFY(trend.shown());

    // Strip days 2 to 4 December, and the trend's days either side (1 December; 5 December has
    // none: the last weight ends it). 3 December has no weight: the trend is carried.
    const std::vector<DaySample> days = trend.Days(DayFiles::NoonOf(2, 12, 2026), 3);
    QCOMPARE(days.size(), std::size_t(4));
    const float expected[] = {80.0f, 79.9f, 79.9f, 79.71f};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(days[i].date, DayFiles::NoonOf(1 + i, 12, 2026));
        QCOMPARE(days[i].value, expected[i]);
    }
    // Days before the first weight have no trend.
    QVERIFY(trend.Days(DayFiles::NoonOf(1, 11, 2026), 29).empty());

    // One weight is no trend.
    const WeightTrend single({weights.front()});
    QVERIFY(!single.shown());
    QVERIFY(single.Days(DayFiles::NoonOf(1, 12, 2026), 29).empty());
    QVERIFY(!single.RateUpTo(DayFiles::NoonOf(1, 12, 2026), 29));
}

void TestWeightTrend::rateInWords()
{
    // Over four weeks: 80 moved a tenth of the way to 64, 1.6 in 4 weeks.
    const std::int64_t strip = DayFiles::NoonOf(21, 11, 2026);
    WeightTrend down(
        {{DayFiles::NoonOf(1, 11, 2026), 80.0f}, {DayFiles::NoonOf(29, 11, 2026), 64.0f}});
    QCOMPARE(down.RateUpTo(strip, 29)->text, std::string("-0.4"));
    WeightTrend up(
        {{DayFiles::NoonOf(1, 11, 2026), 70.0f}, {DayFiles::NoonOf(29, 11, 2026), 78.0f}});
    QCOMPARE(up.RateUpTo(strip, 29)->text, std::string("+0.2"));
    // Fewer days than four weeks: the days there are, per week (0.29 in 3 days).
    WeightTrend young({{DayFiles::NoonOf(1, 12, 2026), 80.0f},
                       {DayFiles::NoonOf(2, 12, 2026), 79.0f},
                       {DayFiles::NoonOf(4, 12, 2026), 78.0f}});
    QCOMPARE(young.RateUpTo(strip, 29)->text, std::string("-0.7"));

    // A weight of the day after the strip's last day is not in its rate yet.
    WeightTrend later(
        {{DayFiles::NoonOf(1, 11, 2026), 80.0f}, {DayFiles::NoonOf(30, 11, 2026), 64.0f}});
    QVERIFY(later.RateUpTo(DayFiles::NoonOf(1, 11, 2026), 29)->steady());
    QVERIFY(WeightTrend::RateText(0.04).empty()); // steady
    QVERIFY(WeightTrend::RateText(-0.04).empty()); // never "-0.0"
    QCOMPARE(WeightTrend::RateText(12.345), std::string("+12.3"));
}

void TestWeightTrend::calorieScaleWithGoal()
{
    const auto scaled = [](double goal) {
        const ChartGeometry::Scale scale = ChartGeometry::CalorieScaleWithGoal(2000, 1000, goal);
        return std::pair(scale.top, scale.bottom);
    };
    QCOMPARE(scaled(0), std::pair(2000.0f, 1000.0f)); // no goal
    QCOMPARE(scaled(1800), std::pair(2000.0f, 1000.0f)); // inside
    QCOMPARE(scaled(2000), std::pair(2500.0f, 1000.0f)); // on the top line: above it
    QCOMPARE(scaled(3100), std::pair(3500.0f, 1000.0f));
    QCOMPARE(scaled(800), std::pair(2000.0f, 500.0f));
    QCOMPARE(scaled(1e300), std::pair(2000.0f, 1000.0f)); // beyond a float: left off
}

QTEST_GUILESS_MAIN(TestWeightTrend)
#include "tst_weighttrend.moc"
