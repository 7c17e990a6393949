// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowUnderTest.h"
#include "app/MergeForm.h"
#include "app/UndoOffer.h"
#include "calendar/CDiary.h"
#include "controls/CNoticeBar.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CMealsList.h"
#include "meals/MealSamples.h"
#include "recipes/RecipeBook.h"
#include "store/ConflictMerge.h"
#include "store/MealDayFile.h"
#include "store/NoteFile.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QtTest>

namespace fs = std::filesystem;
using namespace DialogLayout;

// The window beside other writers of its folder: the command line, a sync engine.
class TestOtherWriters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup() { m_window.close(); }
    void anEntryAddedElsewhereIsShownAndNeverDropped();
    void aConflictCopyIsSaidAndMerged();
    void aNoteChangedElsewhereWhileTypingIsKeptAside();
    void recipesFromAnotherComputerAreJoined();
    void undoPutsBackTheBytesUnlessAnotherWroteMeanwhile();

private:
    CMealsList *meals() const
    {
        return static_cast<CMealsList *>(m_window.dialog->control(MealList));
    }
    fs::path today(const char *subfolder, const char *extension) const
    {
        return m_window.dayFile(subfolder, 5, 12, 2026, extension);
    }
    std::vector<std::string> storedNames() const
    {
        std::vector<std::string> names;
        for (const MealEntry &entry : MealDayFile::Load(today("db", ".db")).entries)
            names.push_back(entry.name);
        return names;
    }

    MainWindowUnderTest m_window;
};

void TestOtherWriters::anEntryAddedElsewhereIsShownAndNeverDropped()
{
    QVERIFY(m_window.open(1, [this](const fs::path &) {
        fs::create_directories(m_window.folder() / "db");
        QVERIFY(FileIo::writeAtomically(
            today("db", ".db"), MealDayFile::ImageOf({sampleEntry("A", 1), sampleEntry("B", 2)})));
    }));
    QCOMPARE(meals()->count(), 2);

    // The command line's add, as it writes.
    QVERIFY(MealDayFile::AppendMealRecord(today("db", ".db"), sampleEntry("C", 3)));
    QTRY_COMPARE_WITH_TIMEOUT(meals()->count(), 3, 2000);

    // Another add the window has not seen yet, then Delete Selected of a row it shows.
    QVERIFY(MealDayFile::AppendMealRecord(today("db", ".db"), sampleEntry("D", 4)));
    QTest::mouseClick(
        meals()->viewport(), Qt::LeftButton, {},
        QPoint(8, MealRowLayout::ItemHeight / 2 - meals()->topRow() * MealRowLayout::ItemHeight));
    QVERIFY(meals()->entries().front().ticked);
    QTest::mouseClick(m_window.dialog->control(DeleteSelectedButton), Qt::LeftButton);
    QCOMPARE(storedNames(), (std::vector<std::string> {"B", "C", "D"}));
    QCOMPARE(meals()->count(), 3);

    // A row removed elsewhere is not there to delete: nothing else goes in its place.
    QVERIFY(
        FileIo::writeAtomically(today("db", ".db"), MealDayFile::ImageOf({sampleEntry("C", 3)})));
    const_cast<MealEntry &>(meals()->entries().front()).ticked = true; // B, gone
    QTest::mouseClick(m_window.dialog->control(DeleteSelectedButton), Qt::LeftButton);
    QCOMPARE(storedNames(), (std::vector<std::string> {"C"}));
    QCOMPARE(meals()->count(), 1);
}

void TestOtherWriters::aConflictCopyIsSaidAndMerged()
{
    QVERIFY(m_window.open(1, [this](const fs::path &) {
        fs::create_directories(m_window.folder() / "db");
        QVERIFY(FileIo::writeAtomically(today("db", ".db"),
                                        MealDayFile::ImageOf({sampleEntry("A", 1)})));
    }));
    auto *notice = m_window.dialog->findChild<CNoticeBar *>(QStringLiteral("noticeBar"));
    QVERIFY(notice);
    const fs::path copy =
        m_window.folder() / "db" / "12-05-2026.sync-conflict-20261205-143022-ABCDEF1.db";
    QVERIFY(FileIo::writeAtomically(
        copy, MealDayFile::ImageOf({sampleEntry("A", 1), sampleEntry("B", 2)})));
    QTRY_VERIFY_WITH_TIMEOUT(
        notice->text().startsWith(QStringLiteral("5 Dec has a copy from another computer")), 2000);

    const std::vector<ConflictMerge::Found> found = ConflictMerge::List(m_window.folder());
    QCOMPARE(found.size(), std::size_t(1));
    // The merge form opens on a click of the notice; its default merges both sides.
    QTimer::singleShot(0, this, [] {
        auto *form = qobject_cast<MergeForm *>(QApplication::activeModalWidget());
        QVERIFY(form);
        form->tryCommit();
    });
    emit notice->activated(notice->currentKey());
    QCOMPARE(storedNames(), (std::vector<std::string> {"A", "B"}));
    QVERIFY(!fs::exists(copy));
    QCOMPARE(meals()->count(), 2);
    QVERIFY(!notice->hasNotice(QStringLiteral("conflicts")));

    // Undone: the day and its copy as they were, the copy to merge again.
    m_window.dialog->undoOffer()->undo();
    QCOMPARE(storedNames(), (std::vector<std::string> {"A"}));
    QCOMPARE(MealDayFile::Load(copy).entries.size(), std::size_t(2));
    QCOMPARE(meals()->count(), 1);
}

void TestOtherWriters::aNoteChangedElsewhereWhileTypingIsKeptAside()
{
    QVERIFY(m_window.open(PageTable::Diary));
    auto *diary = m_window.dialog->findChild<CDiary *>();
    QVERIFY(diary);
    QTest::keyClicks(diary->editor(), QStringLiteral("Mine"));
    diary->FlushNote();
    QVERIFY(NoteFile::Write(today("note", ".txt"), "Theirs"));
    QTest::keyClicks(diary->editor(), QStringLiteral(" too"));
    diary->FlushNote();
    QCOMPARE(NoteFile::Read(today("note", ".txt")).text, std::string("Mine too"));
    const std::vector<ConflictMerge::Found> found = ConflictMerge::List(m_window.folder());
    QCOMPARE(found.size(), std::size_t(1));
    QCOMPARE(NoteFile::Read(found[0].path).text, std::string("Theirs"));
}

void TestOtherWriters::recipesFromAnotherComputerAreJoined()
{
    const auto bookOf = [](const char *name) {
        RecipeBook book;
        Recipe recipe = Recipe::fromEntries(name, {sampleEntry("A", 1)}, 2.0);
        recipe.since = {1, 12, 2026};
        book.define(recipe);
        return book.text();
    };
    QVERIFY(m_window.open(1, [&](const fs::path &) {
        QVERIFY(FileIo::writeAtomically(m_window.folder() / "recipes.tsv", bookOf("Soup")));
    }));
    const fs::path copy = m_window.folder() / "recipes.sync-conflict-20261205-143022-ABCDEF1.tsv";
    QVERIFY(FileIo::writeAtomically(copy, bookOf("Stew")));
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(copy), 2000);
    RecipeBook joined;
    QVERIFY(joined.load(m_window.folder() / "recipes.tsv").ok());
    QVERIFY(joined.find("Soup") && joined.find("Stew"));
}

void TestOtherWriters::undoPutsBackTheBytesUnlessAnotherWroteMeanwhile()
{
    QVERIFY(m_window.open(1, [this](const fs::path &) {
        fs::create_directories(m_window.folder() / "db");
        QVERIFY(FileIo::writeAtomically(
            today("db", ".db"), MealDayFile::ImageOf({sampleEntry("A", 1), sampleEntry("B", 2)})));
    }));
    const std::optional<std::string> before = FileIo::readAll(today("db", ".db"));
    QVERIFY(before);
    CNoticeBar *bar = m_window.dialog->noticeBar();

    // Clear List, then Ctrl+Z: the file as it was, byte for byte.
    QTest::mouseClick(m_window.dialog->control(ClearListButton), Qt::LeftButton);
    QCOMPARE(meals()->count(), 0);
    QCOMPARE(bar->text(), QStringLiteral("Cleared the list of 2 meals. Click to undo (Ctrl+Z)."));
    m_window.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.dialog.get()));
    meals()->setFocus();
    QTest::keyClick(meals(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(FileIo::readAll(today("db", ".db")), before);
    QCOMPARE(meals()->count(), 2);
    QVERIFY(!m_window.dialog->undoOffer()->canUndo());

    // Delete Selected, then the command line adds: undoing would drop its entry, so it is not.
    const_cast<MealEntry &>(meals()->entries().front()).ticked = true;
    QTest::mouseClick(m_window.dialog->control(DeleteSelectedButton), Qt::LeftButton);
    QCOMPARE(bar->text(), QStringLiteral("Deleted 1 meal. Click to undo (Ctrl+Z)."));
    QVERIFY(MealDayFile::AppendMealRecord(today("db", ".db"), sampleEntry("C", 3)));
    m_window.dialog->undoOffer()->undo();
    QCOMPARE(storedNames(), (std::vector<std::string> {"B", "C"}));
    QVERIFY2(bar->text().startsWith(QStringLiteral("Not undone: 12-05-2026.db was changed")),
             qPrintable(bar->text()));
}

QTEST_MAIN(TestOtherWriters)
#include "tst_otherwriters.moc"
