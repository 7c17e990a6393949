// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a diary onto a folder that may hold one already: nothing in either folder is lost, a
// day both hold is joined, and the old folder keeps its files until the move is complete.
#include "TempFolder.h"
#include "meals/MealSamples.h"
#include "store/DiaryMove.h"
#include "store/MealDayFile.h"

#include <QtTest>
#include <map>

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>; // relative path -> bytes

void write(const fs::path &root, const Files &files)
{
    for (const auto &[name, bytes] : files) {
        fs::create_directories((root / name).parent_path());
        QVERIFY(FileIo::writeAtomically(root / name, bytes));
    }
}

Files read(const fs::path &root)
{
    Files files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).generic_string()] =
                FileIo::readAll(entry.path()).value_or("?");
    }
    return files;
}

} // namespace

class TestDiaryMove : public QObject
{
    Q_OBJECT

private slots:
    void joinsNeverOverwritesAndRemovesTheOldOnlyAtTheEnd();
};

void TestDiaryMove::joinsNeverOverwritesAndRemovesTheOldOnlyAtTheEnd()
{
    const MealEntry apple = sampleEntry("Apple", 1), bread = sampleEntry("Bread", 2),
                    cheese = sampleEntry("Cheese", 3), dates = sampleEntry("Dates", 4),
                    eggs = sampleEntry("Eggs", 5);
    const TempFolder temp;
    const fs::path from = temp.make("laptop"), to = temp.make("synced");
    const Files old {
        {"db/12-05-2026.db", MealDayFile::ImageOf({apple, bread})},
        {"db/12-06-2026.db", MealDayFile::ImageOf({cheese})},
        {"db/12-08-2026.db", MealDayFile::ImageOf({eggs})},
        {"db/readme.txt", "mine"},
        {"note/12-05-2026.txt", "Ran 5 km"},
        {"settings.conf", "# set on the laptop\nGoals/Calories=1800\nLater/Key=1\n"},
        {"recipes.tsv", "Soup\t2026-12-01\tline 1 of both\nStew\t2026-12-02\tthe laptop's\n"},
    };
    const Files there {
        {"db/12-05-2026.db", MealDayFile::ImageOf({apple, dates})},
        {"db/12-08-2026.db", MealDayFile::ImageOf({eggs})},
        {"db/readme.txt", "theirs"},
        {"note/12-05-2026.txt", "Pasta"},
        {"settings.conf", "Goals/Calories=2000\n"},
        {"recipes.tsv", "Soup\t2026-12-01\tline 1 of both\nTea\t2026-12-03\tthe synced one's\n"},
    };
    write(from, old);
    write(to, there);
    write(from, {{"corvalo", "the program beside its diary"}});
    int remembered = 0;
    bool rememberFails = false;
    const DiaryMove::Remember remember = [&](const fs::path &folder) {
        ++remembered;
        return rememberFails ? FileIo::Result::failure(folder, FileIo::Problem::DiskFull)
                             : FileIo::Result::success(folder);
    };

    // No write lands: both folders stay as they were, and the new one is not remembered.
    FileIo::setWritesFailForTesting(true);
    DiaryMove::Summary summary = DiaryMove::Move(from, to, remember);
    FileIo::setWritesFailForTesting(false);
    QVERIFY(!summary.ok());
    QCOMPARE(remembered, 0);
    Files expectedOld = old;
    expectedOld["corvalo"] = "the program beside its diary";
    QCOMPARE(read(from), expectedOld);
    QCOMPARE(read(to), there);

    // Everything reaches the new folder, but it cannot be remembered: the old one stays whole.
    rememberFails = true;
    summary = DiaryMove::Move(from, to, remember);
    QCOMPARE(remembered, 1);
    QCOMPARE(summary.problems.size(), std::size_t(1));
    QCOMPARE(summary.daysCopied, 1); // 12-06
    QCOMPARE(summary.daysMerged, 1); // 12-05: meals and note
    QCOMPARE(summary.filesSkipped, 1); // 12-08, the same bytes
    QCOMPARE(summary.othersCopied, 3); // readme under a new name, settings and recipes joined
    QCOMPARE(read(from), expectedOld);
    const Files joined {
        {"db/12-05-2026.db", MealDayFile::ImageOf({apple, dates, bread})},
        {"db/12-06-2026.db", MealDayFile::ImageOf({cheese})},
        {"db/12-08-2026.db", MealDayFile::ImageOf({eggs})},
        {"db/readme.txt", "theirs"},
        {"db/readme (2).txt", "mine"},
        {"note/12-05-2026.txt", "Pasta\r\n\r\nRan 5 km"},
        {"settings.conf", "Goals/Calories=2000\nLater/Key=1\n"},
        {"recipes.tsv",
         "Soup\t2026-12-01\tline 1 of both\nTea\t2026-12-03\tthe synced one's\n"
         "Stew\t2026-12-02\tthe laptop's\n"},
    };
    QCOMPARE(read(to), joined);

    // Again, remembered: nothing is doubled, and only the diary's files leave the old folder.
    rememberFails = false;
    summary = DiaryMove::Move(from, to, remember);
    QVERIFY2(summary.ok(), summary.problems.empty() ? "" : summary.problems[0].c_str());
    QVERIFY(summary.remembered && summary.removedOld);
    QCOMPARE(read(to), joined);
    QCOMPARE(read(from), (Files {{"corvalo", "the program beside its diary"}}));
    QVERIFY(!fs::exists(from / "db") && !fs::exists(from / "note"));
}

QTEST_GUILESS_MAIN(TestDiaryMove)
#include "tst_diarymove.moc"
