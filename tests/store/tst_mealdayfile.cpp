// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "meals/MealRecord.h"
#include "meals/MealSamples.h"
#include "platform/FileIo.h"
#include "store/MealDayFile.h"

#include <QtTest>
#include <thread>

namespace fs = std::filesystem;

class TestMealDayFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void missingAndEmptyFilesAreEmptyDays();
    void appendKeepsOrderAndNeverMerges();
    void rewriteDropsTickedEntries();
    void rewriteChangesOnlyTheEditedRecord();
    void failedRewriteKeepsPreviousFile();
    void appendAfterATornWrite();
    void knownEndAndEditsOnTheRecords();
    void clear();
    void oversizedFileIsNotReadable();
    void changesKeepWhatAnotherWriterStored();
    void parallelAppendsAfterATornWriteAllLand();

private:
    std::vector<std::string> names(const fs::path &path) const;
    std::size_t filesInFolder() const
    {
        return std::size_t(std::distance(fs::directory_iterator(m_folder), {}));
    }

    std::unique_ptr<TempFolder> m_dir;
    fs::path m_folder;
    fs::path m_path;
};

void TestMealDayFile::init()
{
    m_dir = std::make_unique<TempFolder>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path();
    m_path = m_folder / "12-05-2026.db";
}

void TestMealDayFile::cleanup()
{
    FileIo::setWritesFailForTesting(false);
}

std::vector<std::string> TestMealDayFile::names(const fs::path &path) const
{
    std::vector<std::string> out;
    for (const MealEntry &entry : MealDayFile::Load(path).entries)
        out.push_back(entry.name);
    return out;
}

void TestMealDayFile::missingAndEmptyFilesAreEmptyDays()
{
    MealDayFile::Day day = MealDayFile::Load(m_path);
    QVERIFY(day.entries.empty());
    QCOMPARE(day.totals, Nutrients {});
    QVERIFY(day.readable);

    QVERIFY(FileIo::writeAtomically(m_path, ""));
    day = MealDayFile::Load(m_path);
    QVERIFY(day.entries.empty());
    QCOMPARE(day.totals, Nutrients {});
    QVERIFY(day.readable);
}

void TestMealDayFile::appendKeepsOrderAndNeverMerges()
{
    const MealEntry apple = sampleEntry("Apple", 150.0f);
    QVERIFY(MealDayFile::AppendMealRecord(m_path, apple));
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(56));
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("Bread", 2.0f, "slice", 32.0f)));
    QVERIFY(MealDayFile::AppendMealRecord(m_path, apple)); // the same food twice: two records

    const MealDayFile::Day day = MealDayFile::Load(m_path);
    QCOMPARE(day.entries.size(), std::size_t(3));
    QCOMPARE(names(m_path), (std::vector<std::string> {"Apple", "Bread", "Apple"}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(day.entries[i].listIndex, i);
        QVERIFY(!day.entries[i].ticked);
    }
    QVERIFY(sameStoredFields(day.entries[2], apple));
    // Calories 5.25 and fat 5.75 per gram: 150 g twice and two slices of 32 g.
    QCOMPARE(day.totals[Nutrient::Calories], 1911.0f);
    QCOMPARE(day.totals[Nutrient::Fat], 2093.0f);
    QCOMPARE(filesInFolder(), std::size_t(1));
}

void TestMealDayFile::rewriteDropsTickedEntries()
{
    std::string expected;
    for (const char *name : {"A", "B", "C", "D", "E"})
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry(name, 1.0f)));
    for (const char *name : {"A", "C", "E"})
        expected += MealRecord::Encode(sampleEntry(name, 1.0f));

    std::vector<MealEntry> entries = MealDayFile::Load(m_path).entries;
    entries[1].ticked = true;
    entries[3].ticked = true;
    QVERIFY(MealDayFile::Rewrite(m_path, entries, false)); // ticks are not stored
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "B", "C", "D", "E"}));

    QVERIFY(MealDayFile::Rewrite(m_path, entries, true));
    QCOMPARE(FileIo::readAll(m_path).value(), expected);
    QCOMPARE(filesInFolder(), std::size_t(1));

    entries = MealDayFile::Load(m_path).entries;
    for (MealEntry &entry : entries)
        entry.ticked = true;
    QVERIFY(MealDayFile::Rewrite(m_path, entries, true));
    QVERIFY(!fs::exists(m_path)); // no entries, no file
    QVERIFY(MealDayFile::Rewrite(m_path, {}, false));
    QVERIFY(!fs::exists(m_path));
}

void TestMealDayFile::rewriteChangesOnlyTheEditedRecord()
{
    for (const char *name : {"Apple", "Banana", "Cherry"})
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry(name, 3.0f)));
    const std::string before = FileIo::readAll(m_path).value();

    std::vector<MealEntry> entries = MealDayFile::Load(m_path).entries;
    entries[1].amount = 2.5f;
    QVERIFY(MealDayFile::Rewrite(m_path, entries, false));
    const std::string after = FileIo::readAll(m_path).value();

    QCOMPARE(after.size(), before.size());
    const std::size_t amountAt = 56 + 6 + 45; // second record: "Banana" + zero + 44 bytes
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < amountAt || i >= amountAt + 4)
            QCOMPARE(after[i], before[i]);
    }
    QVERIFY(after.compare(amountAt, 4, before, amountAt, 4) != 0);
    QCOMPARE(MealDayFile::Load(m_path).entries[1].amount, 2.5f);
}

void TestMealDayFile::failedRewriteKeepsPreviousFile()
{
    for (const char *name : {"A", "B", "C"})
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry(name, 1.0f)));
    const std::string before = FileIo::readAll(m_path).value();

    std::vector<MealEntry> entries = MealDayFile::Load(m_path).entries;
    entries[0].amount = 500.0f;
    entries[2].ticked = true;
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!MealDayFile::Rewrite(m_path, entries, true));
    FileIo::setWritesFailForTesting(false);

    QCOMPARE(FileIo::readAll(m_path).value(), before);
    QCOMPARE(filesInFolder(), std::size_t(1)); // no temporary left behind
}

void TestMealDayFile::appendAfterATornWrite()
{
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("A", 1.0f)));
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("B", 1.0f)));

    // The disk fills in the middle of a record: what reached it is taken back.
    FileIo::setWritesFailForTesting(true);
    QVERIFY(!MealDayFile::AppendMealRecord(m_path, sampleEntry("Cut", 1.0f)));
    FileIo::setWritesFailForTesting(false);
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(52 + 52));

    // A crash in the middle of an append can still leave half a record.
    QVERIFY(FileIo::append(m_path, MealRecord::Encode(sampleEntry("Cut", 1.0f)).substr(0, 27)));
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(52 + 52 + 27));
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "B"}));

    // The torn half would otherwise read as the start of the next record.
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("D", 1.0f)));
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "B", "D"}));
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(3 * 52));
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("E", 1.0f)));
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "B", "D", "E"}));
}

void TestMealDayFile::knownEndAndEditsOnTheRecords()
{
    for (const char *name : {"A", "B", "C"})
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry(name, 1.0f)));
    const MealDayFile::Day day = MealDayFile::Load(m_path);
    QCOMPARE(day.wholeBytes, std::uintmax_t(3 * 52));

    // Half a record came after the file was read: the end known then no longer holds.
    QVERIFY(FileIo::append(m_path, MealRecord::Encode(sampleEntry("Cut", 1.0f)).substr(0, 27)));
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("D", 1.0f), day.wholeBytes));
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "B", "C", "D"}));
    QCOMPARE(FileIo::regularFileSize(m_path).value(), std::uintmax_t(4 * 52));

    // Edits on the file's own records land only on a file of the records they were meant for.
    const std::string before = FileIo::readAll(m_path).value();
    QCOMPARE(MealDayFile::RemoveRecords(m_path, {1}, 3).problem, FileIo::Problem::Changed);
    QCOMPARE(MealDayFile::ChangeAmount(m_path, 1, 5.0f, 5).problem, FileIo::Problem::Changed);
    QCOMPARE(FileIo::readAll(m_path).value(), before);
    QVERIFY(MealDayFile::ChangeAmount(m_path, 1, 5.0f, 4));
    QVERIFY(MealDayFile::RemoveRecords(m_path, {0, 2}, 4));
    QCOMPARE(FileIo::readAll(m_path).value(),
             MealRecord::Encode(sampleEntry("B", 5.0f)) +
                 MealRecord::Encode(sampleEntry("D", 1.0f)));
    QVERIFY(MealDayFile::RemoveRecords(m_path, {0, 1}, 2));
    QVERIFY(!fs::exists(m_path));
}

void TestMealDayFile::clear()
{
    QVERIFY(MealDayFile::Clear(m_path)); // no file: nothing to do
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("A", 1.0f)));
    QVERIFY(MealDayFile::Clear(m_path));
    QVERIFY(!fs::exists(m_path));
    QVERIFY(MealDayFile::Load(m_path).entries.empty());
    QCOMPARE(filesInFolder(), std::size_t(0));
}

void TestMealDayFile::oversizedFileIsNotReadable()
{
    // Beyond what the reader takes in: shown empty, and flagged so nobody rewrites it.
    QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("A", 1.0f)));
    fs::resize_file(m_path, 65u * 1024 * 1024);
    const MealDayFile::Day day = MealDayFile::Load(m_path);
    QVERIFY(day.entries.empty());
    QVERIFY(!day.readable);
}

// The window shows A B C; meanwhile the command line appends D and a sync engine drops B.
void TestMealDayFile::changesKeepWhatAnotherWriterStored()
{
    const std::vector<MealEntry> shown {sampleEntry("A", 1), sampleEntry("B", 2),
                                        sampleEntry("C", 3)};
    const std::string shownImage = MealDayFile::ImageOf(shown);
    const auto reset = [&] {
        QVERIFY(FileIo::writeAtomically(m_path, MealDayFile::ImageOf({shown[0], shown[2]})));
        QVERIFY(MealDayFile::AppendMealRecord(m_path, sampleEntry("D", 4)));
    };

    reset();
    FileIo::Result removed = MealDayFile::RemoveShown(m_path, shownImage, {2});
    QVERIFY(removed.ok());
    QVERIFY(removed.changedElsewhere);
    QCOMPARE(names(m_path), (std::vector<std::string> {"A", "D"}));

    reset();
    FileIo::Result changed = MealDayFile::ChangeShownAmount(m_path, shownImage, 0, 7.5f);
    QVERIFY(changed.ok());
    const std::vector<MealEntry> now = MealDayFile::Load(m_path).entries;
    QCOMPARE(now.size(), std::size_t(3));
    QCOMPARE(now[0].amount, 7.5f);
    QCOMPARE(now[2].name, std::string("D"));

    // B is gone: a change to it must not land on another row, and the file stays as it is.
    reset();
    const std::optional<std::string> before = FileIo::readAll(m_path);
    QCOMPARE(MealDayFile::RemoveShown(m_path, shownImage, {1}).problem, FileIo::Problem::Changed);
    QCOMPARE(MealDayFile::ChangeShownAmount(m_path, shownImage, 1, 9.0f).problem,
             FileIo::Problem::Changed);
    QCOMPARE(FileIo::readAll(m_path), before);

    // Clearing what was shown leaves what was not.
    reset();
    QVERIFY(MealDayFile::RemoveShown(m_path, shownImage, {0, 2}));
    QCOMPARE(names(m_path), (std::vector<std::string> {"D"}));
}

void TestMealDayFile::parallelAppendsAfterATornWriteAllLand()
{
    std::string image = MealRecord::Encode(sampleEntry("first", 1));
    image += MealRecord::Encode(sampleEntry("torn", 2)).substr(0, 9);
    QVERIFY(FileIo::writeAtomically(m_path, image));
    constexpr int Writers = 8;
    std::vector<std::thread> writers;
    for (int i = 0; i < Writers; ++i)
        writers.emplace_back([this, i] {
            (void)MealDayFile::AppendMealRecord(m_path, sampleEntry("w" + std::to_string(i), 1));
        });
    for (std::thread &writer : writers)
        writer.join();
    const std::vector<std::string> stored = names(m_path);
    QCOMPARE(stored.size(), std::size_t(1 + Writers));
    QCOMPARE(stored.front(), std::string("first"));
    QCOMPARE(MealRecord::WholeBytes(*FileIo::readAll(m_path)), FileIo::readAll(m_path)->size());
}

QTEST_GUILESS_MAIN(TestMealDayFile)
#include "tst_mealdayfile.moc"
