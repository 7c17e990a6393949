// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DateWords.h"
#include "calendar/DayFiles.h"
#include "platform/Clock.h"

#include <QtTest>
#include <ctime>
#include <limits>

class TestDayFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dayKey_data();
    void dayKey();
    void noonOf_data();
    void noonOf();
    void unconvertibleTimestamps();
    void dateKeys_data();
    void dateKeys();
    void dateWords();

private:
    static void setZone(const char *zone);

    QByteArray m_startZone;
};

void TestDayFiles::setZone(const char *zone)
{
    qputenv("TZ", zone);
    tzset();
}

void TestDayFiles::initTestCase()
{
    m_startZone = qgetenv("TZ");
}

void TestDayFiles::init()
{
    setZone("UTC");
}

void TestDayFiles::cleanup()
{
    qputenv("TZ", m_startZone);
    tzset();
}

void TestDayFiles::dayKey_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("timestamp");
    QTest::addColumn<QString>("key");

    QTest::newRow("noon UTC") << QByteArray("UTC") << qint64(1796472001) << "12-05-2026";
    // Near midnight the local calendar wins over the UTC date, in either direction.
    QTest::newRow("evening west of UTC")
        << QByteArray("America/New_York") << qint64(1796527800) << "12-05-2026";
    QTest::newRow("past midnight east of UTC")
        << QByteArray("Asia/Tokyo") << qint64(1796486400) << "12-06-2026";
    QTest::newRow("last second of the day")
        << QByteArray("Australia/Sydney") << qint64(1796475599) << "12-05-2026";
    QTest::newRow("first second of the next")
        << QByteArray("Australia/Sydney") << qint64(1796475600) << "12-06-2026";
    QTest::newRow("night of the spring change")
        << QByteArray("Europe/Berlin") << qint64(1774740600) << "03-29-2026";
    QTest::newRow("epoch") << QByteArray("UTC") << qint64(0) << "01-01-1970";
    QTest::newRow("before the epoch") << QByteArray("UTC") << qint64(-1) << "12-31-1969";
}

void TestDayFiles::dayKey()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, timestamp);
    QFETCH(QString, key);
    setZone(zone.constData());
    QCOMPARE(QString::fromStdString(DayFiles::DayKey(timestamp)), key);
}

void TestDayFiles::noonOf_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<qint64>("noon");
    QTest::addColumn<QString>("key");

    QTest::newRow("plain") << QByteArray("UTC") << 5 << 12 << 2026 << qint64(1796472001)
                           << "12-05-2026";
    // On the days the clocks change, noon is still local noon (the summer offset applies).
    QTest::newRow("Berlin spring")
        << QByteArray("Europe/Berlin") << 29 << 3 << 2026 << qint64(1774778401) << "03-29-2026";
    QTest::newRow("Berlin autumn")
        << QByteArray("Europe/Berlin") << 25 << 10 << 2026 << qint64(1792926001) << "10-25-2026";
    QTest::newRow("New York spring")
        << QByteArray("America/New_York") << 8 << 3 << 2026 << qint64(1772985601) << "03-08-2026";
    QTest::newRow("New York autumn")
        << QByteArray("America/New_York") << 1 << 11 << 2026 << qint64(1793552401) << "11-01-2026";
    QTest::newRow("day past the month end")
        << QByteArray("UTC") << 32 << 12 << 2026 << qint64(1798804801) << "01-01-2027";
    QTest::newRow("month before January")
        << QByteArray("UTC") << 15 << 0 << 2027 << qint64(1797336001) << "12-15-2026";
    QTest::newRow("fourteen hours ahead") << QByteArray("Pacific/Kiritimati") << 8 << 12 << 2026
                                          << qint64(1796680801) << "12-08-2026";
}

void TestDayFiles::noonOf()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(qint64, noon);
    QFETCH(QString, key);
    setZone(zone.constData());

    const std::int64_t time = DayFiles::NoonOf(day, month, year);
    QCOMPARE(qint64(time), noon);
    QCOMPARE(QString::fromStdString(DayFiles::DayKey(time)), key);
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(time);
    QCOMPARE(QString::asprintf("%02d-%02d-%04d", date.month, date.day, date.year), key);
    // A fixed step of a day lands on the next date even across a clock change.
    const DayFiles::LocalDate next = DayFiles::LocalDateOf(time + DayFiles::SecondsPerDay);
    QCOMPARE(next, DayFiles::LocalDateOf(DayFiles::NoonOf(day + 1, month, year)));
}

void TestDayFiles::unconvertibleTimestamps()
{
    const auto huge = std::numeric_limits<std::int64_t>::max();
    QCOMPARE(DayFiles::DayKey(huge), std::string());
    QCOMPARE(DayFiles::LocalDateOf(huge), DayFiles::LocalDate {});
}

void TestDayFiles::dateKeys_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("key"); // empty: no such day

    QTest::newRow("plain") << 7 << 12 << 2026 << "12-07-2026";
    QTest::newRow("last of December") << 31 << 12 << 2026 << "12-31-2026";
    QTest::newRow("last year") << 31 << 12 << 9999 << "12-31-9999";
    QTest::newRow("day 0") << 0 << 1 << 2026 << "";
    QTest::newRow("month 13") << 1 << 13 << 2026 << "";
    QTest::newRow("31 April") << 31 << 4 << 2024 << "";
    // Leap years: every fourth, but not a century unless it divides by 400.
    QTest::newRow("29 February 2024") << 29 << 2 << 2024 << "02-29-2024";
    QTest::newRow("29 February 2026") << 29 << 2 << 2026 << "";
    QTest::newRow("29 February 1900") << 29 << 2 << 1900 << "";
    QTest::newRow("29 February 2000") << 29 << 2 << 2000 << "02-29-2000";
    QTest::newRow("30 February 2000") << 30 << 2 << 2000 << "";
}

void TestDayFiles::dateKeys()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, key);
    QCOMPARE(QString::fromStdString(DayFiles::DateKey(day, month, year)), key);
}

// Days named in words, counted from the clock's today: Wednesday 9 December 2026 in UTC.
void TestDayFiles::dateWords()
{
    Clock::setNowForTesting(1796817600); // 2026-12-09 12:00:00 UTC
    const DayFiles::LocalDate today = DateWords::Today();
    Clock::setNowForTesting(std::nullopt);
    QVERIFY(today == (DayFiles::LocalDate {9, 12, 2026}));
    const auto read = [&](const char *text) {
        return DateWords::Read(text, today);
    };
    QVERIFY(read("today") == today);
    QVERIFY(read("Yesterday") == (DayFiles::LocalDate {8, 12, 2026}));
    QVERIFY(read("-1") == (DayFiles::LocalDate {8, 12, 2026}));
    QVERIFY(read("-0") == today);
    QVERIFY(read("-9") == (DayFiles::LocalDate {30, 11, 2026}));
    QVERIFY(read("-365") == (DayFiles::LocalDate {9, 12, 2025}));
    // The most recent such day, today counting.
    QVERIFY(read("wednesday") == today);
    QVERIFY(read("Tue") == (DayFiles::LocalDate {8, 12, 2026}));
    QVERIFY(read("thursday") == (DayFiles::LocalDate {3, 12, 2026}));
    QVERIFY(read("2024-02-29") == (DayFiles::LocalDate {29, 2, 2024}));
    QVERIFY(DateWords::Read("-1", {1, 3, 2024}) == (DayFiles::LocalDate {29, 2, 2024}));
    for (const char *none : {"tomorrow", "-", "--1", "+1", "wed ", "thurs", "2026-12-32"})
        QVERIFY2(!read(none), none);
}

QTEST_GUILESS_MAIN(TestDayFiles)
#include "tst_dayfiles.moc"
