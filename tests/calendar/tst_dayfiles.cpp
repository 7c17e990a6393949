#include "calendar/DayFiles.h"
#include "platform/FileIo.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <ctime>
#include <limits>

namespace fs = std::filesystem;

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
    void pathsBeforeAndAfterStart();
    void directoriesCreatedOnceAndLeftAlone();
    void unwritableFolderFallsBackToPerUser();
    void hasDayFile();

private:
    static void setZone(const char *zone);
    fs::path temp(const char *name) const { return fs::path(m_dir->path().toStdString()) / name; }

    std::unique_ptr<QTemporaryDir> m_dir;
    fs::path m_startDirectory;
    QByteArray m_startZone;
};

void TestDayFiles::setZone(const char *zone)
{
    qputenv("TZ", zone);
    tzset();
}

void TestDayFiles::initTestCase()
{
    m_startDirectory = fs::current_path();
    m_startZone = qgetenv("TZ");
}

void TestDayFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    DayFiles::ResetDirectoriesForTesting();
    setZone("UTC");
}

void TestDayFiles::cleanup()
{
    FileIo::setWritesFailForTesting(false);
    fs::current_path(m_startDirectory);
    DayFiles::ResetDirectoriesForTesting();
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
    // The empty key still makes a path: the bare extension in the data directory.
    QCOMPARE(DayFiles::DataFilePath(huge, ".db"), fs::path("db") / ".db");
}

void TestDayFiles::pathsBeforeAndAfterStart()
{
    const std::int64_t day = DayFiles::NoonOf(5, 12, 2026);
    QCOMPARE(DayFiles::DataFilePath(day, ".db"), fs::path("db") / "12-05-2026.db");
    QCOMPARE(DayFiles::NoteFilePath(day, ".txt"), fs::path("note") / "12-05-2026.txt");

    const fs::path folder = temp("app");
    fs::create_directory(folder);
    DayFiles::CreateDataDirectories(folder, temp("user"));

    QCOMPARE(DayFiles::DataDirectory(), folder / "db");
    QVERIFY(DayFiles::DataDirectory().is_absolute());
    QCOMPARE(DayFiles::DataFilePath(day, ".db"), folder / "db" / "12-05-2026.db");
    QCOMPARE(DayFiles::DataFilePath(day, ".wth"), folder / "db" / "12-05-2026.wth");
    QCOMPARE(DayFiles::NoteFilePath(day, ".txt"), folder / "note" / "12-05-2026.txt");
    const std::string prefix = DayFiles::DataDirectoryPrefix();
    QCOMPARE(prefix, (folder / "db").string() + char(fs::path::preferred_separator));
    QCOMPARE(fs::path(prefix + "12-05-2026.db"), DayFiles::DataFilePath(day, ".db"));
}

void TestDayFiles::directoriesCreatedOnceAndLeftAlone()
{
    const fs::path folder = temp("app");
    fs::create_directory(folder);
    fs::create_directory(temp("elsewhere"));
    fs::current_path(temp("elsewhere")); // started from a shortcut with another working folder

    DayFiles::CreateDataDirectories(folder, temp("user"));
    QVERIFY(fs::is_directory(folder / "db"));
    QVERIFY(fs::is_directory(folder / "note"));
    QVERIFY(fs::equivalent(fs::current_path(), folder));
    QVERIFY(fs::is_empty(folder / "db")); // the write probe is gone
    QVERIFY(!fs::exists(temp("user")));
    QVERIFY(fs::is_empty(temp("elsewhere")));

    QVERIFY(FileIo::append(folder / "db" / "12-05-2026.db", "meal"));
    QVERIFY(FileIo::append(folder / "note" / "12-05-2026.txt", "note"));
    DayFiles::ResetDirectoriesForTesting();
    DayFiles::CreateDataDirectories(folder, temp("user"));
    QCOMPARE(FileIo::readAll(folder / "db" / "12-05-2026.db").value(), std::string("meal"));
    QCOMPARE(FileIo::readAll(folder / "note" / "12-05-2026.txt").value(), std::string("note"));
    QCOMPARE(std::distance(fs::directory_iterator(folder / "db"), fs::directory_iterator()), 1);
}

void TestDayFiles::unwritableFolderFallsBackToPerUser()
{
    const fs::path folder = temp("app");
    const fs::path user = temp("user") / "Corvalo";
    fs::create_directory(folder);

    // The probe fails as it would in a program folder on a read-only disk.
    FileIo::setOpenErrorForTesting(EROFS);
    DayFiles::CreateDataDirectories(folder, user);
    FileIo::setOpenErrorForTesting(0);

    QCOMPARE(DayFiles::DataDirectory(), user / "db");
    QCOMPARE(DayFiles::NoteDirectory(), user / "note");
    QVERIFY(fs::is_directory(user / "db"));
    QVERIFY(fs::is_directory(user / "note"));
    QVERIFY(fs::equivalent(fs::current_path(), user));
    QCOMPARE(DayFiles::DataFilePath(DayFiles::NoonOf(5, 12, 2026), ".db"),
             user / "db" / "12-05-2026.db");
}

void TestDayFiles::hasDayFile()
{
    const fs::path db = temp("");
    const std::int64_t day = DayFiles::NoonOf(5, 12, 2026);
    QVERIFY(!DayFiles::HasDayFile(day, db, ".db"));

    QVERIFY(FileIo::writeAtomically(db / "12-05-2026.db", ""));
    QVERIFY(!DayFiles::HasDayFile(day, db, ".db")); // empty counts as absent

    QVERIFY(FileIo::append(db / "12-05-2026.db", "x"));
    QVERIFY(DayFiles::HasDayFile(day, db, ".db"));
    QVERIFY(!DayFiles::HasDayFile(day, db, ".wth"));
    QVERIFY(!DayFiles::HasDayFile(day + DayFiles::SecondsPerDay, db, ".db"));

    fs::create_directory(db / "12-06-2026.wth");
    QVERIFY(!DayFiles::HasDayFile(day + DayFiles::SecondsPerDay, db, ".wth"));
}

QTEST_GUILESS_MAIN(TestDayFiles)
#include "tst_dayfiles.moc"
