// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does when a save fails: it says so in the notice bar, keeps what was typed,
// and saves it again once the problem is gone; a pipe where a day file should be never hangs it.
#include "MainWindowUnderTest.h"
#include "calendar/CTimCalentar.h"
#include "controls/CNoticeBar.h"
#include "layout/DialogLayout.h"
#include "platform/FileIo.h"
#include "store/WeightFile.h"

#include <QLineEdit>
#include <QtTest>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace DialogLayout;

class TestSaveFailures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void init() { QVERIFY(m_window.open(1)); }
    void cleanup()
    {
        FileIo::setWritesFailForTesting(false);
        m_window.close();
    }
    void failedWeightIsSaidKeptAndSavedLater();
    void pipeAtTheDayFileIsRefusedNotWaitedOn();

private:
    QLineEdit *box(int id) const { return static_cast<QLineEdit *>(m_window.dialog->control(id)); }
    CNoticeBar *notice() const { return m_window.dialog->noticeBar(); }

    MainWindowUnderTest m_window;
};

void TestSaveFailures::failedWeightIsSaidKeptAndSavedLater()
{
    const fs::path weight = m_window.dayFile("db", 5, 12, 2026, ".wth");
    QVERIFY(!notice()->isVisible());

    FileIo::setWritesFailForTesting(true); // a full disk
    box(WeightBox)->setText(QStringLiteral("72.5"));
    QTRY_VERIFY(notice()->isVisible());
    QCOMPARE(notice()->text(), QStringLiteral("Not saved: the disk is full (db/12-05-2026.wth)"));
    QVERIFY(!fs::exists(weight));

    // Another day and back: the typed weight is still there, not the stored nothing.
    m_window.dialog->dayStrip()->MoveSelection(DayStripModel::Key::Left);
    QTRY_COMPARE(box(WeightBox)->text(), QString());
    m_window.dialog->dayStrip()->MoveSelection(DayStripModel::Key::Right);
    QTRY_COMPARE(box(WeightBox)->text(), QStringLiteral("72.5"));

    // Once the disk has room again, the weight is saved without another keystroke.
    FileIo::setWritesFailForTesting(false);
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(weight), 5000);
    QCOMPARE(WeightFile::Read(weight), std::optional<float>(72.5f));
    QVERIFY(!notice()->isVisible());
}

void TestSaveFailures::pipeAtTheDayFileIsRefusedNotWaitedOn()
{
    const fs::path meals = m_window.dayFile("db", 5, 12, 2026, ".db");
    QCOMPARE(::mkfifo(meals.c_str(), 0644), 0);
    QTest::keyClicks(box(SearchBox), QStringLiteral("banana raw"));
    m_window.dialog->SelectFood(0);
    QVERIFY(m_window.dialog->control(AddButton)->isEnabled());
    QTest::mouseClick(m_window.dialog->control(AddButton), Qt::LeftButton);
    QVERIFY(notice()->isVisible());
    QVERIFY2(notice()->text().startsWith(QStringLiteral("Not saved: a folder, pipe or device")),
             qPrintable(notice()->text()));
}

QTEST_MAIN(TestSaveFailures)
#include "tst_savefailures.moc"
