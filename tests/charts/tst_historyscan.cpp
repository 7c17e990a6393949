// SPDX-License-Identifier: GPL-3.0-or-later
// The history scan: every weight file whatever its date, the meal files of the strip's days,
// bounds widened to whole steps, and files that are not days left alone.
#include "ChartSamples.h"
#include "TempFolder.h"
#include "calendar/DayFiles.h"
#include "meals/MealRecord.h"
#include "store/DayStore.h"
#include "store/HistoryScan.h"

#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <cstring>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string floatBytes(float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &bits, 4); // the test machines are little-endian
    return bytes;
}

DaySample sample(int day, int month, int year, float value)
{
    return {DayFiles::NoonOf(day, month, year), value};
}

} // namespace

class TestHistoryScan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundedBounds_data();
    void roundedBounds();
    void weightSeriesTakesEveryDayFile();
    void calorieSeriesCoversTheStripDays();
    void calorieWindowCountsCalendarDays();

private:
    void setZone(const char *zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

    std::unique_ptr<TempFolder> m_dir;
};

void TestHistoryScan::init()
{
    setZone("UTC");
    m_dir = std::make_unique<TempFolder>();
    QVERIFY(m_dir->isValid());
    sampleDataDirectory() = m_dir->make("db");
}

void TestHistoryScan::cleanup()
{
    m_dir.reset();
}

void TestHistoryScan::roundedBounds_data()
{
    QTest::addColumn<bool>("weight");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("bottom");

    QTest::newRow("72.5") << true << 72.5f << 80.0f << 70.0f;
    QTest::newRow("top strictly above 80") << true << 80.0f << 90.0f << 80.0f;
    QTest::newRow("69.9") << true << 69.9f << 70.0f << 60.0f;
    QTest::newRow("1234 kcal") << false << 1234.0f << 1500.0f << 1000.0f;
    QTest::newRow("1500 kcal") << false << 1500.0f << 2000.0f << 1500.0f;
    QTest::newRow("1780 kcal") << false << 1780.0f << 2000.0f << 1500.0f;
}

void TestHistoryScan::roundedBounds()
{
    QFETCH(bool, weight);
    QFETCH(float, value);
    const HistoryScan::Step step = weight ? HistoryScan::WeightStep : HistoryScan::CalorieStep;
    QTEST(HistoryScan::RoundedTop(value, step), "top");
    QTEST(HistoryScan::RoundedBottom(value, step), "bottom");
}

void TestHistoryScan::weightSeriesTakesEveryDayFile()
{
    QVERIFY(writeWeight(3, 12, 2026, 74.0f));
    QVERIFY(writeWeight(1, 12, 2026, 72.5f));
    QVERIFY(writeWeight(15, 1, 2025, 75.0f)); // long before any strip: still in the series
    // Files that are not days: skipped without a word, even when they hold a weight.
    for (const char *foreign : {"notes.wth", "13-01-2026.wth", "02-30-2026.wth", "1-5-2026.wth",
                                "12-02-2026.wth.wth", ".12-02-2026.wth"})
        QVERIFY(writeDataFile(foreign, floatBytes(95.0f)));
    QVERIFY(fs::create_directory(sampleDataDirectory() / "12-04-2026.wth"));
    // Days whose files hold no weight.
    QVERIFY(writeDataFile("12-05-2026.wth", ""));
    QVERIFY(writeDataFile("12-06-2026.wth", std::string_view("\x00\x00\x91", 3)));
    QVERIFY(writeDataFile("12-07-2026.wth", floatBytes(std::numeric_limits<float>::quiet_NaN())));
    QVERIFY(writeDataFile("12-08-2026.wth", floatBytes(std::numeric_limits<float>::infinity())));
    QVERIFY(writeDataFile("12-09-2026.wth", floatBytes(-70.0f)));
    QVERIFY(writeDataFile("12-10-2026.wth", floatBytes(0.0f)));
    QVERIFY(writeDataFile("12-11-2026.db", floatBytes(99.0f)));

    const HistoryScan::Series series = DayStore(m_dir->path()).WeightSeries();
    QVERIFY(series.hasSamples);
    const std::vector<DaySample> expected {sample(15, 1, 2025, 75.0f), sample(1, 12, 2026, 72.5f),
                                           sample(3, 12, 2026, 74.0f)};
    QCOMPARE(series.samples, expected);
    QCOMPARE(series.top, 80.0f);
    QCOMPARE(series.bottom, 70.0f);
}

void TestHistoryScan::calorieSeriesCoversTheStripDays()
{
    // The strip shows 21 November to 19 December; its first timestamp carries a time of day.
    const std::int64_t firstDay = DayFiles::NoonOf(21, 11, 2026) - 2 * 3600 - 1801; // 09:30
    QVERIFY(writeMeal(10, 12, 2026, 1780.0f));
    QVERIFY(writeMeal(23, 11, 2026, 1000.0f));
    QVERIFY(writeMeal(23, 11, 2026, 234.0f));
    QVERIFY(writeMeal(20, 11, 2026, 5000.0f)); // the day before the strip
    QVERIFY(writeMeal(20, 12, 2026, 5000.0f)); // the day after it
    QVERIFY(writeMeal(1, 12, 2026, 0.0f)); // an entry of nothing: no bar
    // A record cut short at the end counts for nothing; the whole ones before it count.
    const std::string whole = MealRecord::Encode(caloriesEntry(1500.0f));
    const std::string cut = MealRecord::Encode(caloriesEntry(9000.0f)).substr(0, 30);
    QVERIFY(writeDataFile("12-02-2026.db", whole + cut));
    QVERIFY(writeDataFile("12-03-2026.db", std::string(200, '\0'))); // no record ends
    QVERIFY(writeDataFile("12-04-2026.db", ""));

    const HistoryScan::Series series = DayStore(m_dir->path()).CalorieSeries(firstDay, 29);
    QVERIFY(series.hasSamples);
    const std::vector<DaySample> expected {
        sample(23, 11, 2026, 1234.0f), sample(2, 12, 2026, 1500.0f), sample(10, 12, 2026, 1780.0f)};
    QCOMPARE(series.samples, expected);
    QCOMPARE(series.top, 2000.0f);
    QCOMPARE(series.bottom, 1000.0f);
}

void TestHistoryScan::calorieWindowCountsCalendarDays()
{
    // Summer time ends on 1 November 2026 in New York: that day has 25 hours. From 00:30 on
    // it, steps of 86,400 seconds would give 1 November twice and never reach the 29th.
    setZone("America/New_York");
    const std::int64_t firstDay = DayFiles::NoonOf(1, 11, 2026) - 12 * 3600 - 1801;
    QCOMPARE(DayFiles::DayKey(firstDay), std::string("11-01-2026"));
    QCOMPARE(DayFiles::DayKey(firstDay + DayFiles::SecondsPerDay), std::string("11-01-2026"));
    QVERIFY(writeMeal(2, 11, 2026, 1100.0f));
    QVERIFY(writeMeal(29, 11, 2026, 1200.0f));

    const HistoryScan::Series series = DayStore(m_dir->path()).CalorieSeries(firstDay, 29);
    const std::vector<DaySample> expected {sample(2, 11, 2026, 1100.0f),
                                           sample(29, 11, 2026, 1200.0f)};
    QCOMPARE(series.samples, expected);
}

QTEST_GUILESS_MAIN(TestHistoryScan)
#include "tst_historyscan.moc"
