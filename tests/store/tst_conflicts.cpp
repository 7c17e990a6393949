// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "meals/MealSamples.h"
#include "platform/FileIo.h"
#include "store/ConflictCopies.h"
#include "store/ConflictMerge.h"
#include "store/DayMerge.h"
#include "store/MealDayFile.h"

#include <QtTest>

namespace fs = std::filesystem;

class TestConflicts : public QObject
{
    Q_OBJECT

private slots:
    void recognised_data();
    void recognised();
    void mergedMealsKeepEveryEntryOnce();
    void mergeRemovesTheCopyOnlyAfterTheDayIsWritten();
    void recipeCopiesJoinedWithEveryDefinition();
};

void TestConflicts::recognised_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("original"); // empty: not a conflict copy

    QTest::newRow("Syncthing") << QByteArray("12-05-2026.sync-conflict-20261205-143022-ABCDEF1.db")
                               << QByteArray("12-05-2026.db");
    QTest::newRow("Nextcloud") << QByteArray("12-05-2026 (conflicted copy 2026-12-05 143022).wth")
                               << QByteArray("12-05-2026.wth");
    QTest::newRow("ownCloud") << QByteArray("12-05-2026_conflict-20261205-143022.txt")
                              << QByteArray("12-05-2026.txt");
    QTest::newRow("Dropbox") << QByteArray("12-05-2026 (Jane's conflicted copy 2026-12-05).db")
                             << QByteArray("12-05-2026.db");
    QTest::newRow("Dropbox (1)") << QByteArray(
                                        "12-05-2026 (Jane's conflicted copy 2026-12-05 (1)).db")
                                 << QByteArray("12-05-2026.db");
    QTest::newRow("Seafile")
        << QByteArray("12-05-2026.db (SFConflict jane@example.org 2026-12-05-14-30-22)")
        << QByteArray("12-05-2026.db");
    QTest::newRow("OneDrive") << QByteArray("12-05-2026-DESKTOP-4F2K9QX.db")
                              << QByteArray("12-05-2026.db");
    QTest::newRow("own foods") << QByteArray("myfoods.sync-conflict-20261205-143022-ABCDEF1.tsv")
                               << QByteArray("myfoods.tsv");
    QTest::newRow("the day itself") << QByteArray("12-05-2026.db") << QByteArray("");
    QTest::newRow("no such day") << QByteArray(
                                        "02-30-2026.sync-conflict-20261205-143022-ABCDEF1.db")
                                 << QByteArray("");
    QTest::newRow("temporary") << QByteArray("12-05-2026.db.tmp123") << QByteArray("");
    QTest::newRow("digits only") << QByteArray("12-05-2026-2027.db") << QByteArray("");
    QTest::newRow("other file") << QByteArray("notes.sync-conflict-20261205-143022-ABCDEF1.db")
                                << QByteArray("");
}

void TestConflicts::recognised()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, original);
    const std::optional<ConflictCopies::Copy> copy = ConflictCopies::Recognise(name.toStdString());
    QCOMPARE(copy ? QByteArray::fromStdString(copy->original) : QByteArray(), original);
    if (copy && copy->kind != ConflictCopies::Kind::OwnFoods)
        QVERIFY(copy->day.has_value());
}

void TestConflicts::mergedMealsKeepEveryEntryOnce()
{
    const MealEntry a = sampleEntry("A", 1), b = sampleEntry("B", 2), c = sampleEntry("C", 3);
    // Ours logged A twice and B; theirs A once, B, and C.
    const std::vector<DayMerge::MealRow> rows =
        DayMerge::Meals(MealDayFile::ImageOf({a, a, b}), MealDayFile::ImageOf({a, c, b}));
    std::vector<std::string> merged;
    for (const DayMerge::MealRow &row : rows)
        merged.push_back(row.entry.name +
                         (row.side == DayMerge::Side::Both       ? "="
                              : row.side == DayMerge::Side::Ours ? "<"
                                                                 : ">"));
    QCOMPARE(merged, (std::vector<std::string> {"A=", "A<", "B=", "C>"}));
    QCOMPARE(DayMerge::MealImage(rows, {true, false, true, true}), MealDayFile::ImageOf({a, b, c}));

    QCOMPARE(DayMerge::Notes("Ran 5 km\n", "Ran 5 km"), std::string("Ran 5 km\n"));
    QCOMPARE(DayMerge::Notes("Ran 5 km", "Pasta"), std::string("Ran 5 km\n\nPasta"));
}

void TestConflicts::mergeRemovesTheCopyOnlyAfterTheDayIsWritten()
{
    TempFolder dir;
    fs::create_directories(dir.path() / "db");
    const fs::path day = dir.path() / "db" / "12-05-2026.db";
    const fs::path copy = dir.path() / "db" / "12-05-2026.sync-conflict-20261205-143022-AB12CDE.db";
    QVERIFY(FileIo::writeAtomically(day, MealDayFile::ImageOf({sampleEntry("A", 1)})));
    QVERIFY(FileIo::writeAtomically(copy, MealDayFile::ImageOf({sampleEntry("B", 2)})));

    const std::vector<ConflictMerge::Found> found = ConflictMerge::List(dir.path());
    QCOMPARE(found.size(), std::size_t(1));
    const ConflictMerge::Sides sides = ConflictMerge::Read(found[0]);
    const std::string merged = ConflictMerge::AutoMerge(found[0], sides);

    // Another writer changed the day after it was read: nothing is written, the copy stays.
    QVERIFY(MealDayFile::AppendMealRecord(day, sampleEntry("C", 3)));
    QCOMPARE(ConflictMerge::Resolve(found[0], sides.ours, merged).problem,
             FileIo::Problem::Changed);
    QVERIFY(fs::exists(copy));

    const ConflictMerge::Sides again = ConflictMerge::Read(found[0]);
    QVERIFY(
        ConflictMerge::Resolve(found[0], again.ours, ConflictMerge::AutoMerge(found[0], again)));
    QVERIFY(!fs::exists(copy));
    std::vector<std::string> names;
    for (const MealEntry &entry : MealDayFile::Load(day).entries)
        names.push_back(entry.name);
    QCOMPARE(names, (std::vector<std::string> {"A", "C", "B"}));
}

namespace {

std::string soupLine(const char *since, const char *servings)
{
    return std::string("Soup\t") + since + '\t' + servings +
        "\t-\tLentils\t100\tg\t1\t116\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";
}

} // namespace

// A copy of the recipes is joined without asking: every definition of both sides once, each
// name's in date order, and a line that cannot be read kept too. Own foods keep their earlier
// definitions of both sides the same way.
void TestConflicts::recipeCopiesJoinedWithEveryDefinition()
{
    TempFolder dir;
    const fs::path recipes = dir.path() / "recipes.tsv";
    const fs::path copy = dir.path() / "recipes (conflicted copy 2026-12-05 143022).tsv";
    const std::string stew = "Stew\t2026-12-03\t4\t-\tBeans\t1\tcup\t180\t127\t-\t-\t-\t-\t-"
                             "\t-\t-\t-\t-\n";
    QVERIFY(FileIo::writeAtomically(recipes, "# mine\n" + soupLine("2026-12-02", "2") + stew));
    QVERIFY(FileIo::writeAtomically(copy,
                                    soupLine("2026-12-01", "3") + soupLine("2026-12-02", "2") +
                                        soupLine("2026-12-04", "5") + "Toast\tbroken\n"));
    QVERIFY(ConflictMerge::List(dir.path()).empty()); // nothing to choose

    const ConflictMerge::RecipesJoined joined = ConflictMerge::JoinRecipeCopies(dir.path());
    QCOMPARE(joined.copies, std::vector<fs::path> {copy});
    QVERIFY(joined.problems.empty() && !fs::exists(copy));
    QCOMPARE(FileIo::readAll(recipes).value_or("?"),
             "# mine\n" + soupLine("2026-12-01", "3") + soupLine("2026-12-02", "2") + stew +
                 soupLine("2026-12-04", "5") + "Toast\tbroken\n");

    const std::string past = "#<\t2026-12-01\tKefir\tml\t61\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";
    const std::string kefir = "Kefir\tml\t65\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";
    QCOMPARE(DayMerge::OwnFoods(kefir, past + kefir, {}), kefir + past);
}

QTEST_GUILESS_MAIN(TestConflicts)
#include "tst_conflicts.moc"
