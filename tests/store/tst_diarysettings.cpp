// SPDX-License-Identifier: GPL-3.0-or-later
// The settings that travel with the diary: what this version does not know survives a rewrite,
// and this computer's goals move into the diary once, never lost on the way.
#include "TempFolder.h"
#include "store/DiarySettings.h"

#include <QtTest>

namespace fs = std::filesystem;

class TestDiarySettings : public QObject
{
    Q_OBJECT

private slots:
    void rewriteKeepsWhatItDoesNotKnow();
    void goalsMoveInOnce();
};

void TestDiarySettings::rewriteKeepsWhatItDoesNotKnow()
{
    const TempFolder temp;
    // A later version's key, a comment, a broken line and bytes that are not UTF-8.
    QVERIFY(FileIo::writeAtomically(temp / "settings.conf",
                                    "# goals\r\nGoals/Calories = 1800\nWeekStart=monday\n"
                                    "no equals sign\nNote=caf\xe9\nGoals/Calories=9\n"));
    DiarySettings settings;
    QVERIFY(settings.load(temp / "settings.conf"));
    QCOMPARE(settings.goals().goalText(Nutrient::Calories), std::string("1800"));
    QCOMPARE(settings.skippedNotice(),
             std::string("line 4 of settings.conf could not be read (no key=value) and are kept "
                         "as they are"));
    QVERIFY(settings.bestMatchesFirst()); // not chosen: best matches first

    QVERIFY(DiarySettings::Update(temp.path(), [](DiarySettings &s) {
        NutrientGoals goals = s.goals();
        goals.setGoalText(Nutrient::Calories, "2100");
        goals.setGoalText(Nutrient::Protein, "90");
        s.setGoals(goals);
        s.setBestMatchesFirst(false);
    }));
    // The first line of a key counts and is the one changed; new keys go to the end.
    QCOMPARE(FileIo::readAll(temp / "settings.conf").value(),
             std::string("# goals\nGoals/Calories=2100\nWeekStart=monday\nno equals sign\n"
                         "Note=caf\xe9\nGoals/CarbohydratesKind=target\nGoals/FatKind=limit\n"
                         "Goals/Protein=90\nBestMatchesFirst=false\n"));
    DiarySettings again;
    QVERIFY(again.load(temp / "settings.conf"));
    QCOMPARE(again.goals().goalText(Nutrient::Calories), std::string("2100"));
    QCOMPARE(again.goals().goalText(Nutrient::Protein), std::string("90"));
    QCOMPARE(again.value("WeekStart"), std::optional<std::string>("monday"));
    QCOMPARE(again.value("Note"), std::optional<std::string>("caf\xe9"));
    QVERIFY(!again.bestMatchesFirst()); // A to Z, once chosen, is kept
}

void TestDiarySettings::goalsMoveInOnce()
{
    const TempFolder temp;
    NutrientGoals old;
    old.setGoalText(Nutrient::Calories, "1800");
    old.setKind(Nutrient::Fat, NutrientGoals::Kind::Target);

    // The diary's file cannot be written: nothing moved, the old keys must stay.
    FileIo::setWritesFailForTesting(true);
    DiarySettings::MoveIn moved = DiarySettings::MoveInOnce(temp.path(), old, true);
    FileIo::setWritesFailForTesting(false);
    QVERIFY(!moved.saved.ok() && !moved.moved && !moved.mayRemoveOld);

    moved = DiarySettings::MoveInOnce(temp.path(), old, true);
    QVERIFY(moved.saved.ok() && moved.moved && moved.mayRemoveOld);
    DiarySettings diary;
    QVERIFY(diary.load(DiarySettings::FileIn(temp.path())));
    QCOMPARE(diary.goals().goalText(Nutrient::Calories), std::string("1800"));
    QCOMPARE(diary.goals().kind(Nutrient::Fat), NutrientGoals::Kind::Target);
    QVERIFY(diary.bestMatchesFirst());

    // The user clears the goals in the diary; keys left behind on this computer (a crash before
    // they were removed) neither come back nor may be removed, as they differ from the diary's.
    QVERIFY(DiarySettings::Update(temp.path(), [](DiarySettings &s) { s.setGoals({}); }));
    moved = DiarySettings::MoveInOnce(temp.path(), old, true);
    QVERIFY(moved.saved.ok() && !moved.moved && !moved.mayRemoveOld);
    QVERIFY(diary.load(DiarySettings::FileIn(temp.path())));
    QVERIFY(!diary.hasGoals());
}

QTEST_GUILESS_MAIN(TestDiarySettings)
#include "tst_diarysettings.moc"
