// SPDX-License-Identifier: GPL-3.0-or-later
// The day store: where a day's files live and what they are called, the folder it keeps them
// in, and every write's outcome, failures included.
#include "TempFolder.h"
#include "meals/MealRecord.h"
#include "meals/MealSamples.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"

#include <QtTest>
#include <cerrno>
#include <clocale>
#include <ctime>

namespace fs = std::filesystem;

namespace {

constexpr DayStore::Day Fifth {5, 12, 2026};
constexpr DayStore::Day Sixth {6, 12, 2026};

} // namespace

class TestDayStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pathsBeforeAndAfterStart();
    void directoriesCreatedOnceAndLeftAlone();
    void unwritableFolderFallsBackToPerUser();
    void mealsAppendRewriteClear();
    void failedWritesAreReportedAndKeepTheFile();
    void weightOnlyWhenAboveZero();
    void unreadableFilesAreNeverReplaced();
    void markers();
    void folderWithADiaryIsNeverLeftInSilence();
    void readOnlyDayFilesAreLeftAlike();
    void noEntryGoesWhereTheListCannotShowIt();
    void staleTemporariesAreRemovedAtStart();
    void historyFollowsTheStoresOwnWrites();
    void filesAddedByHandAfterRefresh();
    void keysOfRealAndCarriedDates();
    void copyMeals();

private:
    std::unique_ptr<TempFolder> m_temp;
    std::unique_ptr<DayStore> m_store;
    fs::path m_startDirectory;
};

void TestDayStore::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    m_startDirectory = fs::current_path();
}

void TestDayStore::init()
{
    m_temp = std::make_unique<TempFolder>();
    QVERIFY(m_temp->isValid());
    m_temp->make("db");
    m_temp->make("note");
    m_store = std::make_unique<DayStore>(m_temp->path());
}

void TestDayStore::cleanup()
{
    FileIo::setWritesFailForTesting(false);
    FileIo::setOpenErrorForTesting(0);
    fs::current_path(m_startDirectory);
    m_store.reset();
    m_temp.reset();
}

void TestDayStore::pathsBeforeAndAfterStart()
{
    DayStore store;
    QCOMPARE(store.MealFile(Fifth), fs::path("db") / "12-05-2026.db");
    QCOMPARE(store.NoteFile(Fifth), fs::path("note") / "12-05-2026.txt");

    const fs::path folder = m_temp->make("app");
    QVERIFY(store.CreateDataDirectories(folder, *m_temp / "user"));
    QVERIFY(store.dataDirectory().is_absolute());
    QCOMPARE(store.MealFile(Fifth), folder / "db" / "12-05-2026.db");
    QCOMPARE(store.WeightFile(Fifth), folder / "db" / "12-05-2026.wth");
    QCOMPARE(store.NoteFile(Fifth), folder / "note" / "12-05-2026.txt");
    QCOMPARE(store.DataFilePath({1, 2, 2027}, ".db"), folder / "db" / "02-01-2027.db");
    QCOMPARE(DayStore::Key({31, 12, 1999}), std::string("12-31-1999"));
}

void TestDayStore::directoriesCreatedOnceAndLeftAlone()
{
    const fs::path folder = m_temp->make("app");
    fs::current_path(m_temp->make("elsewhere")); // started from a shortcut elsewhere

    DayStore store;
    QVERIFY(store.CreateDataDirectories(folder, *m_temp / "user"));
    QVERIFY(fs::is_directory(folder / "db"));
    QVERIFY(fs::is_directory(folder / "note"));
    QVERIFY(fs::equivalent(fs::current_path(), folder));
    QVERIFY(fs::is_empty(folder / "db")); // the write probe is gone
    QVERIFY(!fs::exists(*m_temp / "user"));
    QVERIFY(fs::is_empty(*m_temp / "elsewhere"));

    QVERIFY(store.AppendMeal(Fifth, sampleEntry("Apple", 1)));
    QVERIFY(store.SaveNote(Fifth, "note"));
    DayStore again;
    QVERIFY(again.CreateDataDirectories(folder, *m_temp / "user"));
    QCOMPARE(again.LoadMeals(Fifth).entries.size(), std::size_t(1));
    QCOMPARE(again.LoadNote(Fifth).text, std::string("note"));
}

void TestDayStore::unwritableFolderFallsBackToPerUser()
{
    const fs::path folder = m_temp->make("app");
    const fs::path user = *m_temp / "user" / "Corvalo";

    // The probe fails as it would in a program folder on a read-only disk.
    FileIo::setOpenErrorForTesting(EROFS);
    DayStore store;
    // Every open fails under the seam, the per-user probe too: only the choice counts here.
    const FileIo::Result ignored = store.CreateDataDirectories(folder, user);
    Q_UNUSED(ignored);
    FileIo::setOpenErrorForTesting(0);

    QCOMPARE(store.dataDirectory(), user / "db");
    QCOMPARE(store.noteDirectory(), user / "note");
    QVERIFY(fs::is_directory(user / "note"));
    QVERIFY(fs::equivalent(fs::current_path(), user));
}

void TestDayStore::mealsAppendRewriteClear()
{
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 1)));
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Bread", 2)));
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Cheese", 3)));
    // Name, zero, 48 bytes of numbers, "g", zero.
    QCOMPARE(fs::file_size(*m_temp / "db" / "12-05-2026.db"), std::uintmax_t(56 + 56 + 57));

    DayStore::Meals day = m_store->LoadMeals(Fifth);
    QCOMPARE(day.entries.size(), std::size_t(3));
    QCOMPARE(day.entries[1].name, std::string("Bread"));
    QCOMPARE(day.entries[2].listIndex, 2);
    QVERIFY(m_store->LoadMeals(Sixth).entries.empty());

    day.entries[1].ticked = true;
    QVERIFY(m_store->RewriteMeals(Fifth, day.entries, true));
    day = m_store->LoadMeals(Fifth);
    QCOMPARE(day.entries.size(), std::size_t(2));
    QCOMPARE(day.entries[1].name, std::string("Cheese"));

    // Half a record written since the store last read the file goes before the next one.
    const fs::path file = *m_temp / "db" / "12-05-2026.db";
    QVERIFY(FileIo::append(file, MealRecord::Encode(sampleEntry("Cut", 1)).substr(0, 20)));
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Dates", 4)));
    QCOMPARE(fs::file_size(file), std::uintmax_t(56 + 57 + 56));
    QCOMPARE(m_store->LoadMeals(Fifth).entries[2].name, std::string("Dates"));

    QVERIFY(m_store->ClearMeals(Fifth));
    QVERIFY(!fs::exists(*m_temp / "db" / "12-05-2026.db"));
    QVERIFY(m_store->ClearMeals(Fifth)); // nothing to clear is no failure
}

void TestDayStore::failedWritesAreReportedAndKeepTheFile()
{
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 1)));
    QVERIFY(m_store->SaveWeight(Fifth, "72.5"));
    QVERIFY(m_store->SaveNote(Fifth, "Rain"));
    const fs::path meals = *m_temp / "db" / "12-05-2026.db";
    const std::string mealBytes = FileIo::readAll(meals).value();

    FileIo::setWritesFailForTesting(true); // a full disk
    const FileIo::Result weight = m_store->SaveWeight(Fifth, "80");
    QVERIFY(!weight.ok());
    QCOMPARE(weight.problem, FileIo::Problem::DiskFull);
    QCOMPARE(weight.file, *m_temp / "db" / "12-05-2026.wth");
    const FileIo::Result note = m_store->SaveNote(Fifth, "Sun");
    QCOMPARE(note.problem, FileIo::Problem::DiskFull);
    QCOMPARE(note.file, *m_temp / "note" / "12-05-2026.txt");
    std::vector<MealEntry> entries = m_store->LoadMeals(Fifth).entries;
    entries[0].amount = 9;
    QVERIFY(!m_store->RewriteMeals(Fifth, entries, false));
    FileIo::setWritesFailForTesting(false);

    QCOMPARE(m_store->LoadWeight(Fifth), std::optional<float>(72.5f));
    QCOMPARE(m_store->LoadNote(Fifth).text, std::string("Rain"));
    QCOMPARE(FileIo::readAll(meals).value(), mealBytes);
}

void TestDayStore::weightOnlyWhenAboveZero()
{
    QCOMPARE(m_store->LoadWeight(Fifth), std::nullopt);
    QVERIFY(m_store->SaveWeight(Fifth, " 72.5 kg"));
    QCOMPARE(m_store->LoadWeight(Fifth), std::optional<float>(72.5f));
    // Text that is no weight changes nothing and is no failure.
    for (const char *typed : {"0", "-3", "kg", "", "1e39"})
        QVERIFY(m_store->SaveWeight(Fifth, typed));
    QCOMPARE(m_store->LoadWeight(Fifth), std::optional<float>(72.5f));
    QVERIFY(m_store->SaveWeight(Sixth, "-1"));
    QVERIFY(!fs::exists(*m_temp / "db" / "12-06-2026.wth"));
}

void TestDayStore::unreadableFilesAreNeverReplaced()
{
    // Larger than the readers take in: shown empty, and never rewritten from that.
    const fs::path meals = *m_temp / "db" / "12-05-2026.db";
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 1)));
    fs::resize_file(meals, 65u * 1024 * 1024);
    const DayStore::Meals day = m_store->LoadMeals(Fifth);
    QVERIFY(!day.readable);
    QCOMPARE(m_store->RewriteMeals(Fifth, day.entries, false).problem, FileIo::Problem::Unreadable);
    QCOMPARE(fs::file_size(meals), std::uintmax_t(65u * 1024 * 1024));

    const fs::path note = *m_temp / "note" / "12-05-2026.txt";
    QVERIFY(m_store->SaveNote(Fifth, "x"));
    fs::resize_file(note, 17u * 1024 * 1024);
    QCOMPARE(m_store->LoadNote(Fifth).state, NoteFile::Note::State::Unreadable);
    QCOMPARE(m_store->SaveNote(Fifth, "typed").problem, FileIo::Problem::Unreadable);
    QCOMPARE(fs::file_size(note), std::uintmax_t(17u * 1024 * 1024));
}

void TestDayStore::markers()
{
    QVERIFY(!m_store->HasMealsOrWeight(Fifth) && !m_store->HasNote(Fifth));
    QVERIFY(FileIo::writeAtomically(*m_temp / "db" / "12-05-2026.db", ""));
    QVERIFY(!m_store->HasMealsOrWeight(Fifth)); // empty counts as absent
    QVERIFY(m_store->SaveWeight(Fifth, "70"));
    QVERIFY(m_store->HasMealsOrWeight(Fifth)); // a weight alone marks the day
    QVERIFY(m_store->SaveNote(Sixth, ""));
    QVERIFY(!m_store->HasNote(Sixth));
    QVERIFY(m_store->SaveNote(Sixth, "Ran 5 km"));
    QVERIFY(m_store->HasNote(Sixth) && !m_store->HasMealsOrWeight(Sixth));
    fs::create_directory(*m_temp / "db" / "12-07-2026.wth");
    QVERIFY(!m_store->HasMealsOrWeight({7, 12, 2026}));
}

void TestDayStore::folderWithADiaryIsNeverLeftInSilence()
{
    const fs::path folder = m_temp->make("app");
    fs::create_directories(folder / "db");
    QVERIFY(FileIo::writeAtomically(folder / "db" / "12-05-2026.wth", std::string(4, '\x42')));

    // The folder cannot be written, but it holds a diary: it stays, and the reason is given.
    FileIo::setOpenErrorForTesting(EROFS);
    DayStore store;
    const FileIo::Result result = store.CreateDataDirectories(folder, *m_temp / "user");
    FileIo::setOpenErrorForTesting(0);
    QCOMPARE(result.problem, FileIo::Problem::ReadOnly);
    QCOMPARE(store.dataDirectory(), folder / "db");
    QVERIFY(store.LoadWeight(Fifth).has_value());
    QVERIFY(!fs::exists(*m_temp / "user"));
}

void TestDayStore::readOnlyDayFilesAreLeftAlike()
{
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 1)));
    QVERIFY(m_store->SaveWeight(Fifth, "70"));
    QVERIFY(m_store->SaveNote(Fifth, "Rain"));
    for (const char *file : {"db/12-05-2026.db", "db/12-05-2026.wth", "note/12-05-2026.txt"})
        fs::permissions(*m_temp / file, fs::perms::owner_read | fs::perms::group_read);
    const std::string meals = FileIo::readAll(*m_temp / "db" / "12-05-2026.db").value();

    QCOMPARE(m_store->AppendMeal(Fifth, sampleEntry("Bread", 2)).problem,
             FileIo::Problem::ReadOnly);
    QCOMPARE(m_store->RewriteMeals(Fifth, {}, false).problem, FileIo::Problem::ReadOnly);
    QCOMPARE(m_store->SaveWeight(Fifth, "80").problem, FileIo::Problem::ReadOnly);
    QCOMPARE(m_store->SaveNote(Fifth, "Sun").problem, FileIo::Problem::ReadOnly);

    QCOMPARE(FileIo::readAll(*m_temp / "db" / "12-05-2026.db").value(), meals);
    QCOMPARE(m_store->LoadWeight(Fifth), std::optional<float>(70.0f));
    QCOMPARE(m_store->LoadNote(Fifth).text, std::string("Rain"));
    QCOMPARE(fs::status(*m_temp / "db" / "12-05-2026.wth").permissions() & fs::perms::owner_write,
             fs::perms::none);
}

void TestDayStore::noEntryGoesWhereTheListCannotShowIt()
{
    const fs::path meals = *m_temp / "db" / "12-05-2026.db";
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 1)));
    fs::resize_file(meals, 65u * 1024 * 1024);
    QCOMPARE(m_store->AppendMeal(Fifth, sampleEntry("Bread", 2)).problem,
             FileIo::Problem::TooLarge);
    QCOMPARE(fs::file_size(meals), std::uintmax_t(65u * 1024 * 1024));
}

void TestDayStore::staleTemporariesAreRemovedAtStart()
{
    const fs::path folder = m_temp->make("app");
    fs::create_directories(folder / "db");
    fs::create_directories(folder / "note");
    for (const char *name : {"db/12-07-2026.db.tmp894610389", "note/12-07-2026.txt.tmp12",
                             "db/12-07-2026.wth", "db/notes.tmp5", "db/12-07-2026.db.tmpx"})
        QVERIFY(FileIo::writeAtomically(folder / name, "x"));
    DayStore store;
    QVERIFY(store.CreateDataDirectories(folder, *m_temp / "user"));
    QVERIFY(!fs::exists(folder / "db" / "12-07-2026.db.tmp894610389"));
    QVERIFY(!fs::exists(folder / "note" / "12-07-2026.txt.tmp12"));
    for (const char *kept : {"db/12-07-2026.wth", "db/notes.tmp5", "db/12-07-2026.db.tmpx"})
        QVERIFY2(fs::exists(folder / kept), kept);
}

namespace {

constexpr std::int64_t FifthNoon = 1796472001; // 5 December 2026, 12:00:01 UTC
constexpr std::int64_t SixthNoon = FifthNoon + 86400;

std::vector<DaySample> calories(const DayStore &store)
{
    return store.CalorieSeries(FifthNoon, 2).samples;
}

} // namespace

// Once the store has listed its folders, each kind of write must show in the markers and the
// chart series without another listing.
void TestDayStore::historyFollowsTheStoresOwnWrites()
{
    QVERIFY(!m_store->HasMealsOrWeight(Fifth) && !m_store->HasNote(Fifth));
    QVERIFY(!m_store->WeightSeries().hasSamples && calories(*m_store).empty());

    // Calories of a sample entry: (0.25 + the name's length) per gram.
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Apple", 100)));
    QVERIFY(m_store->HasMealsOrWeight(Fifth));
    QCOMPARE(calories(*m_store), (std::vector<DaySample> {{FifthNoon, 525.0f}}));
    QVERIFY(m_store->AppendMeal(Fifth, sampleEntry("Bread", 200)));
    QCOMPARE(calories(*m_store), (std::vector<DaySample> {{FifthNoon, 1575.0f}}));

    std::vector<MealEntry> entries = m_store->LoadMeals(Fifth).entries;
    entries[0].ticked = true;
    // A tick alone leaves an entry in, unless the rewrite is asked to drop ticked ones.
    QVERIFY(m_store->RewriteMeals(Fifth, entries, false));
    QCOMPARE(calories(*m_store), (std::vector<DaySample> {{FifthNoon, 1575.0f}}));
    QVERIFY(m_store->RewriteMeals(Fifth, entries, true));
    QCOMPARE(calories(*m_store), (std::vector<DaySample> {{FifthNoon, 1050.0f}}));
    QVERIFY(m_store->AppendMeals(Fifth, {sampleEntry("Egg", 10), sampleEntry("Fig", 20)}));
    QCOMPARE(calories(*m_store), (std::vector<DaySample> {{FifthNoon, 1147.5f}}));
    QVERIFY(m_store->ClearMeals(Fifth));
    QVERIFY(!m_store->HasMealsOrWeight(Fifth) && calories(*m_store).empty());

    QVERIFY(m_store->SaveWeight(Sixth, "72.5"));
    QVERIFY(m_store->HasMealsOrWeight(Sixth));
    QCOMPARE(m_store->WeightSeries().samples, (std::vector<DaySample> {{SixthNoon, 72.5f}}));
    QVERIFY(m_store->SaveWeight(Fifth, "81"));
    QVERIFY(m_store->SaveWeight(Sixth, "80"));
    const HistoryScan::Series weights = m_store->WeightSeries();
    QCOMPARE(weights.samples, (std::vector<DaySample> {{FifthNoon, 81.0f}, {SixthNoon, 80.0f}}));
    QCOMPARE(weights.top, 90.0f);
    QCOMPARE(weights.bottom, 80.0f);
    QCOMPARE(m_store->LoadWeight(Sixth), std::optional<float>(80.0f));

    QVERIFY(m_store->SaveNote(Fifth, "Rain"));
    QVERIFY(m_store->HasNote(Fifth));
    QVERIFY(m_store->SaveNote(Fifth, ""));
    QVERIFY(!m_store->HasNote(Fifth));

    // A failed write leaves the markers with what is on disk.
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!m_store->SaveNote(Sixth, "Sun"));
    QVERIFY(!m_store->SaveWeight(Fifth, "90"));
    FileIo::setWritesFailForTesting(false);
    QVERIFY(!m_store->HasNote(Sixth));
    QCOMPARE(m_store->LoadWeight(Fifth), std::optional<float>(81.0f));
}

void TestDayStore::filesAddedByHandAfterRefresh()
{
    QVERIFY(!m_store->HasMealsOrWeight(Fifth));
    QVERIFY(!m_store->WeightSeries().hasSamples);
    const char weight[] = {0, 0, char(0x91), 0x42}; // 72.5
    QVERIFY(FileIo::writeAtomically(*m_temp / "db" / "12-05-2026.wth", {weight, 4}));
    QVERIFY(FileIo::writeAtomically(*m_temp / "note" / "12-06-2026.txt", "Sun"));
    m_store->Refresh();
    QVERIFY(m_store->HasMealsOrWeight(Fifth) && m_store->HasNote(Sixth));
    QCOMPARE(m_store->WeightSeries().samples, (std::vector<DaySample> {{FifthNoon, 72.5f}}));

    // A weight file longer than its four bytes is written again as four; one of zero or of no
    // number is no weight.
    QVERIFY(FileIo::writeAtomically(*m_temp / "db" / "12-06-2026.wth",
                                    std::string(weight, 4) + "junk"));
    QVERIFY(FileIo::writeAtomically(*m_temp / "db" / "12-07-2026.wth", std::string(4, '\0')));
    const char notANumber[] = {0, 0, char(0xc0), 0x7f};
    QVERIFY(FileIo::writeAtomically(*m_temp / "db" / "12-08-2026.wth", {notANumber, 4}));
    m_store->Refresh();
    QCOMPARE(m_store->LoadWeight({8, 12, 2026}), std::nullopt);
    QVERIFY(m_store->SaveWeight(Sixth, "72.5"));
    QCOMPARE(fs::file_size(*m_temp / "db" / "12-06-2026.wth"), std::uintmax_t(4));
    QCOMPARE(m_store->WeightSeries().samples,
             (std::vector<DaySample> {{FifthNoon, 72.5f}, {SixthNoon, 72.5f}}));
}

void TestDayStore::keysOfRealAndCarriedDates()
{
    QCOMPARE(DayStore::Key({29, 2, 2024}), std::string("02-29-2024"));
    QCOMPARE(DayStore::Key({1, 1, 1000}), std::string("01-01-1000"));
    QCOMPARE(DayStore::Key({31, 12, 9999}), std::string("12-31-9999"));
    // Days past a month's end carry into the next one, as they always have.
    QCOMPARE(DayStore::Key({29, 2, 2023}), std::string("03-01-2023"));
    QCOMPARE(DayStore::Key({31, 4, 2026}), std::string("05-01-2026"));
    QCOMPARE(DayStore::Key({0, 1, 2026}), std::string("12-31-2025"));
    QCOMPARE(DayStore::Key({1, 13, 2026}), std::string("01-01-2027"));
}

void TestDayStore::copyMeals()
{
    // 150 g of apple and 2 cups of tea, as a day file holds them.
    const std::string apple =
        QByteArray::fromHex("92a3a3bfb6d36bcdd6ecd3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3"
                            "d3d3d3d3d3d3d3d3d3d3d3d3ecd3d353ecd3d3c590b4d3")
            .toStdString();
    const std::string tea =
        QByteArray::fromHex("87b6b2d3d904f0efd3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3"
                            "d3d3d3d3d3d3d3d3d3d3d3d3a390d3d3d393b0a6a3d3")
            .toStdString();
    const DayStore::Day fourth {4, 12, 2026};
    const fs::path fourthFile = *m_temp / "db" / "12-04-2026.db";
    const fs::path fifthFile = *m_temp / "db" / "12-05-2026.db";
    const fs::path sixthFile = *m_temp / "db" / "12-06-2026.db";
    QVERIFY(FileIo::writeAtomically(fourthFile, apple + tea));
    QVERIFY(FileIo::writeAtomically(fifthFile, tea));

    // Every entry, whole, after the day's own.
    QVERIFY(m_store->CopyMeals(fourth, Fifth));
    QCOMPARE(FileIo::readAll(fifthFile).value(), tea + apple + tea);
    QVERIFY(m_store->HasMeals(Fifth));

    // The ticked ones when any are ticked, else all.
    std::vector<MealEntry> entries = m_store->LoadMeals(fourth).entries;
    QCOMPARE(DayStore::MealsToCopy(entries).size(), std::size_t(2));
    entries[1].ticked = true;
    QCOMPARE(DayStore::MealsToCopy(entries).size(), std::size_t(1));
    QVERIFY(!DayStore::MealsToCopy(entries)[0].ticked); // the copy starts unticked
    QVERIFY(m_store->AppendMeals(Sixth, DayStore::MealsToCopy(entries)));
    QCOMPARE(FileIo::readAll(sixthFile).value(), tea);

    // A day without meals changes nothing and makes no file.
    const DayStore::Day first {1, 12, 2026};
    QVERIFY(m_store->CopyMeals(first, Fifth));
    QCOMPARE(FileIo::readAll(fifthFile).value(), tea + apple + tea);
    QVERIFY(m_store->CopyMeals(first, {2, 12, 2026}));
    QVERIFY(!fs::exists(*m_temp / "db" / "12-02-2026.db"));
    QVERIFY(!m_store->HasMeals(first));

    // A day that cannot be read is refused by its name; nothing is written.
    fs::resize_file(fourthFile, 65u * 1024 * 1024);
    const FileIo::Result refused = m_store->CopyMeals(fourth, Sixth);
    QCOMPARE(refused.problem, FileIo::Problem::Unreadable);
    QCOMPARE(refused.file, fourthFile);
    QCOMPARE(FileIo::readAll(sixthFile).value(), tea);
}

QTEST_GUILESS_MAIN(TestDayStore)
#include "tst_daystore.moc"
