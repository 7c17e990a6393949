// SPDX-License-Identifier: GPL-3.0-or-later
// The Diary page in the real main window: edits rewrite the day's note file shortly after the
// first key (at once when the day, the page or the window goes), with CR LF between lines, and
// each day load shows that day's note without writing it.
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "platform/FileIo.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr int kDiaryPage = 3;
constexpr std::size_t kTodayCell = 14;

} // namespace

class TestDiary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typedNoteIsStoredAndShownAgain();
    void enterAndEscapeKeepTheWindowOpen();
    void foreignFileWithZeroByte();
    void westernEightBitNoteKeepsItsLetters();
    void typingIsSavedBeforeTheDayPageOrWindowGoes();
    void steadyTypingIsSavedWhileItGoesOn();
    void longNoteKeepsTypingWrittenWhileTheDayChangesAndTheWindowGoes();

private:
    void selectDay(Qt::Key key, int day, const QString &shown);
    bool todayMarkedWithNote();

    fs::path notePath(int day) const { return m_window.dayFile("note", day, 12, 2026, ".txt"); }
    std::string fileBytes(int day) const
    {
        return FileIo::readAll(notePath(day)).value_or("<none>");
    }

    MainWindowUnderTest m_window;
    CDiary *m_diary = nullptr;
    QPlainTextEdit *m_edit = nullptr;
};

void TestDiary::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestDiary::init()
{
    QVERIFY(m_window.open(kDiaryPage));
    m_edit = m_window.dialog->findChild<QPlainTextEdit *>(QStringLiteral("control1021"));
    QVERIFY(m_edit);
    m_diary = qobject_cast<CDiary *>(m_edit->parentWidget());
    QVERIFY(m_diary && m_diary->isVisible());
    QCOMPARE(m_diary->m_notePath, notePath(5));
}

void TestDiary::cleanup()
{
    m_window.close();
}

void TestDiary::selectDay(Qt::Key key, int day, const QString &shown)
{
    CTimCalentar *strip = m_window.dialog->dayStrip();
    strip->setFocus();
    QTest::keyClick(strip, key);
    QCOMPARE(strip->m_day, day);
    QTRY_COMPARE(m_diary->m_notePath, notePath(day));
    QCOMPARE(m_edit->toPlainText(), shown);
}

bool TestDiary::todayMarkedWithNote()
{
    CTimCalentar *strip = m_window.dialog->dayStrip();
    strip->InvalidateWithErase();
    strip->repaint();
    // The redraw asks for a reload of the day, which puts the cursor at the start: here, not
    // amid the typing that follows.
    QCoreApplication::processEvents();
    return strip->cells()[kTodayCell].hasNote;
}

void TestDiary::typedNoteIsStoredAndShownAgain()
{
    // Showing a day creates no note for it.
    QVERIFY(!fs::exists(notePath(5)));
    QVERIFY(!todayMarkedWithNote());

    m_edit->setFocus();
    QTest::keyClick(m_edit, 'R');
    QTRY_COMPARE(fileBytes(5), "R");
    QTest::keyClicks(m_edit, QStringLiteral("ain"));
    QTest::keyClick(m_edit, Qt::Key_Return);
    QTest::keyClicks(m_edit, QStringLiteral("ran 5 km"));
    QTRY_COMPARE(fileBytes(5), "Rain\r\nran 5 km");
    // The window learns of a save just after the file has it.
    QTRY_VERIFY(todayMarkedWithNote());

    selectDay(Qt::Key_Right, 6, QString());
    QVERIFY(!fs::exists(notePath(6)));
    selectDay(Qt::Key_Left, 5, QStringLiteral("Rain\nran 5 km"));
    QCOMPARE(m_edit->document()->blockCount(), 2);
    QCOMPARE(fileBytes(5), "Rain\r\nran 5 km");

    // Erased, the note stays as a file of no bytes, which earns no marker.
    m_edit->selectAll();
    QTest::keyClick(m_edit, Qt::Key_Delete);
    QTRY_COMPARE(fileBytes(5), "");
    QTRY_VERIFY(!todayMarkedWithNote());
}

void TestDiary::enterAndEscapeKeepTheWindowOpen()
{
    m_edit->setFocus();
    QTest::keyClick(m_edit, Qt::Key_Enter);
    QTest::keyClick(m_edit, Qt::Key_Escape);
    QTest::keyClick(m_diary, Qt::Key_Return);
    QTest::keyClick(m_diary, Qt::Key_Escape);
    QVERIFY(m_window.dialog->isVisible());
    QTRY_COMPARE(fileBytes(5), "\r\n");
}

void TestDiary::foreignFileWithZeroByte()
{
    QVERIFY(FileIo::writeAtomically(notePath(4), std::string_view("before\r\n\0after", 14)));
    // The text after the zero byte is shown too, so the first edit cannot drop it.
    selectDay(Qt::Key_Left, 4, QStringLiteral("before\n after"));
    // Shown and left alone until the first edit, which rewrites it whole.
    QCOMPARE(fs::file_size(notePath(4)), std::uintmax_t(14));
    m_edit->moveCursor(QTextCursor::End);
    QTest::keyClick(m_edit, '!');
    QTRY_COMPARE(fileBytes(4), "before\r\n after!");
}

void TestDiary::westernEightBitNoteKeepsItsLetters()
{
    // Written by an older program: not UTF-8, so Windows-1252.
    QVERIFY(FileIo::writeAtomically(notePath(4), "caf\xe9 cr\xe8me"));
    selectDay(Qt::Key_Left, 4, QStringLiteral("caf\u00e9 cr\u00e8me"));
    m_edit->moveCursor(QTextCursor::End);
    QTest::keyClick(m_edit, '!');
    QTRY_COMPARE(fileBytes(4), "caf\xc3\xa9 cr\xc3\xa8me!");
}

void TestDiary::typingIsSavedBeforeTheDayPageOrWindowGoes()
{
    m_edit->setFocus();
    QTest::keyClicks(m_edit, QStringLiteral("Rain"));
    // Not per key: the keys wait for one save.
    QVERIFY(!fs::exists(notePath(5)));
    selectDay(Qt::Key_Right, 6, QString());
    QCOMPARE(fileBytes(5), "Rain");

    QTest::keyClicks(m_edit, QStringLiteral("Sun"));
    m_window.dialog->SwitchPage(1);
    QCOMPARE(fileBytes(6), "Sun");

    m_window.dialog->SwitchPage(kDiaryPage);
    QTest::keyClicks(m_edit, QStringLiteral(" and wind"));
    QVERIFY(fs::exists(notePath(6)));
    QCOMPARE(fileBytes(6), "Sun");
    m_window.dialog.reset();
    QCOMPARE(fileBytes(6), "Sun and wind");
}

void TestDiary::steadyTypingIsSavedWhileItGoesOn()
{
    // A key every 50 ms for a second: the wait for the save is not restarted by each key.
    m_edit->setFocus();
    bool savedWhileTyping = false;
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(m_edit, 'a');
        QTest::qWait(50);
        savedWhileTyping = savedWhileTyping || fs::exists(notePath(5));
    }
    QVERIFY(savedWhileTyping);
    QTRY_COMPARE(fileBytes(5), std::string(20, 'a'));
}

void TestDiary::longNoteKeepsTypingWrittenWhileTheDayChangesAndTheWindowGoes()
{
    // Four megabytes take a while to write: the day changes, and the window goes, while the
    // save the timer started is still on its way.
    std::string file;
    QString shown;
    for (int line = 0; line < 4 * 1024 * 1024 / 80; ++line) {
        file += std::string(78, 'x') + "\r\n";
        shown += QString(78, QLatin1Char('x')) + QLatin1Char('\n');
    }
    QVERIFY(FileIo::writeAtomically(notePath(4), file));
    selectDay(Qt::Key_Left, 4, shown);

    m_edit->setFocus();
    m_edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_edit, QStringLiteral("abc"));
    QTest::qWait(270);
    QTest::keyClicks(m_edit, QStringLiteral("def"));
    selectDay(Qt::Key_Right, 5, QString());
    QCOMPARE(fileBytes(4), file + "abcdef");
    selectDay(Qt::Key_Left, 4, shown + QStringLiteral("abcdef"));

    m_edit->moveCursor(QTextCursor::End);
    QTest::keyClick(m_edit, 'g');
    QTest::qWait(270);
    QTest::keyClick(m_edit, 'h');
    m_window.dialog.reset();
    QCOMPARE(fileBytes(4), file + "abcdefgh");
}

QTEST_MAIN(TestDiary)
#include "tst_diary.moc"
