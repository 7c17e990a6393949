// SPDX-License-Identifier: GPL-3.0-or-later
// Activity in the window: added and removed in its form through the day's file, a failed write
// said with the typing kept, the calorie goal raised by what was burned only while the setting
// is on, and a day marked complete from the strip's menu.
#include "MainWindowUnderTest.h"
#include "OpenForms.h"
#include "activity/ActivityForm.h"
#include "app/SettingsPage.h"
#include "calendar/CTimCalentar.h"
#include "controls/CNoticeBar.h"
#include "controls/SkinButton.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CElements.h"
#include "platform/FileIo.h"
#include "store/ActivityDay.h"

#include <QListWidget>
#include <QMenu>
#include <cerrno>

namespace {

std::string activityText(const std::filesystem::path &file)
{
    return FileIo::readAll(file).value_or("<unreadable>");
}

} // namespace

class TestActivity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowUnderTest::setUpEnvironment(); }
    void cleanup() { m_window.close(); }
    void addedAndRemovedInTheForm();
    void burnedRaisesTheGoalOnlyWhenSet();
    void dayMarkedCompleteFromTheStrip();

private:
    MainWindowUnderTest m_window;
};

void TestActivity::addedAndRemovedInTheForm()
{
    // Another writer's activity, and a line this version cannot read, are there first.
    QVERIFY(m_window.open(1, [this](const std::filesystem::path &folder) {
        std::filesystem::create_directories(folder / "db");
        QVERIFY(FileIo::writeAtomically(m_window.dayFile("db", 5, 12, 2026, ".act"),
                                        "Walk\t20\t90\nstretching\n"));
    }));
    const std::filesystem::path file = m_window.dayFile("db", 5, 12, 2026, ".act");
    auto *button = m_window.dialog->findChild<SkinButton *>(QStringLiteral("activityButton"));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Burned 90 kcal"));
    QCOMPARE(m_window.dialog->noticeBar()->text(),
             QStringLiteral("1 of the day's activity lines could not be read; they are kept as "
                            "they are"));

    whenOpen<ActivityForm>([&](ActivityForm &form) {
        type(form.nameBox(), QStringLiteral("Cycling"));
        type(form.minutesBox(), QStringLiteral("45"));
        type(form.caloriesBox(), QStringLiteral("380,5"));
        form.commitButton()->click();
        QCOMPARE(form.problem(), QString());
        QVERIFY(form.isVisible());
        QCOMPARE(activityText(file), std::string("Walk\t20\t90\nstretching\nCycling\t45\t380.5\n"));
        QCOMPARE(form.list()->count(), 2);
        QCOMPARE(form.list()->item(1)->text(), QStringLiteral("Cycling, 45 min, 380.5 kcal"));

        form.list()->setCurrentRow(0);
        form.removeButton()->click();
        QCOMPARE(activityText(file), std::string("stretching\nCycling\t45\t380.5\n"));
        QCOMPARE(form.list()->count(), 1);

        type(form.nameBox(), QStringLiteral("Rowing"));
        type(form.minutesBox(), QStringLiteral("30"));
        type(form.caloriesBox(), QStringLiteral("abc"));
        form.commitButton()->click();
        QCOMPARE(form.problem(),
                 QStringLiteral("Calories burned: \u201c"
                                "abc\u201d is not a number; type it as 72.5 or 72,5"));
        type(form.caloriesBox(), QStringLiteral("250"));
        FileIo::setOpenErrorForTesting(EROFS);
        form.commitButton()->click();
        FileIo::setOpenErrorForTesting(0);
        QCOMPARE(form.problem(), QStringLiteral("Not saved: the disk is read-only"));
        QCOMPARE(form.nameBox()->text(), QStringLiteral("Rowing"));
        QVERIFY(m_window.dialog->noticeBar()->text().contains(QStringLiteral("12-05-2026.act")));
        form.cancelButton()->click();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(activityText(file), std::string("stretching\nCycling\t45\t380.5\n"));
    QCOMPARE(button->text(), QStringLiteral("Burned 380.5 kcal"));
    QCOMPARE(button->toolTip(), QStringLiteral("Cycling, 45 min, 380.5 kcal"));

    // Another writer's activity shows without a new look at the day.
    QVERIFY(ActivityDay::Append(file, {"Rowing", 30, 250}));
    QTRY_COMPARE(button->text(), QStringLiteral("Burned 630.5 kcal"));
}

void TestActivity::burnedRaisesTheGoalOnlyWhenSet()
{
    QVERIFY(m_window.open(1, [this](const std::filesystem::path &folder) {
        std::filesystem::create_directories(folder / "db");
        QVERIFY(FileIo::writeAtomically(folder / "settings.conf",
                                        "Goals/Calories=2000\nAddBurnedToGoal=true\n"));
        QVERIFY(FileIo::writeAtomically(m_window.dayFile("db", 5, 12, 2026, ".act"),
                                        "Run\t30\t350\nWalk\t20\t90\n"));
    }));
    auto *panel = static_cast<CElements *>(m_window.dialog->control(DialogLayout::NutrientPanel));
    QCOMPARE(panel->progressText(Nutrient::Calories), QStringLiteral("0 of 2440"));
    QCOMPARE(panel->totals()[Nutrient::Calories], 0.0f);

    m_window.dialog->SwitchPage(PageTable::Settings);
    auto *settings =
        static_cast<SettingsPage *>(m_window.dialog->control(PageTable::SettingsPageWindow));
    QVERIFY(settings->addBurnedBox()->isChecked());
    settings->addBurnedBox()->click();
    QCOMPARE(panel->progressText(Nutrient::Calories), QStringLiteral("0 of 2000"));
    QVERIFY(FileIo::readAll(m_window.folder() / "settings.conf")
                .value_or("")
                .find("AddBurnedToGoal=false\n") != std::string::npos);
}

void TestActivity::dayMarkedCompleteFromTheStrip()
{
    QVERIFY(m_window.open(1));
    const std::filesystem::path done = m_window.dayFile("db", 4, 12, 2026, ".done");
    for (const bool complete : {true, false}) {
        const std::unique_ptr<QMenu> menu(
            m_window.dialog->dayStrip()->ContextMenuFor({4, 12, 2026}));
        QAction *action = menu->actions().last();
        QCOMPARE(action->text(), QStringLiteral("Day complete: all eaten is logged"));
        QCOMPARE(action->isChecked(), !complete);
        action->trigger();
        QCOMPARE(std::filesystem::is_regular_file(done), complete);
    }
}

QTEST_MAIN(TestActivity)
#include "tst_activity.moc"
