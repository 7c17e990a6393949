// SPDX-License-Identifier: GPL-3.0-or-later
// The day strip in the real main window: clicks pick the day and the page, the arrow keys and
// the end buttons move the selection, and every move reloads the day.
#include "Contrast.h"
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "controls/CHoverButton.h"
#include "controls/EraseRequest.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "platform/FileIo.h"
#include "store/MealDayFile.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <memory>

namespace {

DayFiles::LocalDate selectedDay(const CTimCalentar &strip)
{
    return {strip.m_day, strip.m_month, strip.m_year};
}

} // namespace

class TestTimCalentar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnToday();
    void clicksPickTheDayAndThePage();
    void keysAndButtonsMoveTheSelection();
    void selectedDayIsFramedInRed();
    void weekendNamesAreReadable();
    void contextMenuCopiesMeals();
    void largeCopiesKeepTheirOrder();

private:
    void clickCell(int index, double heightFraction);

    MainWindowUnderTest m_window;
    CTimCalentar *m_strip = nullptr;
};

void TestTimCalentar::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestTimCalentar::init()
{
    QVERIFY(m_window.open(1));
    m_strip = m_window.dialog->dayStrip();
    QTRY_COMPARE(m_strip->cells().size(), std::size_t(29));
}

void TestTimCalentar::cleanup()
{
    m_window.close();
}

void TestTimCalentar::clickCell(int index, double heightFraction)
{
    const DayStripModel::Rect cell = m_strip->cells()[std::size_t(index)].rect;
    const QPoint at(int(cell.x + cell.width / 2), int(cell.height * heightFraction));
    QTest::mouseClick(m_strip, Qt::LeftButton, {}, at);
}

void TestTimCalentar::startsOnToday()
{
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {5, 12, 2026}));
    QCOMPARE(m_strip->cells()[14].date, selectedDay(*m_strip));
    QCOMPARE(m_strip->size(), QSize(638, 54));
    // The end buttons sit at the strip's edges, below the weekday row.
    QCOMPARE(m_strip->prevButton()->geometry(), QRect(0, 15, 17, 24));
    QCOMPARE(m_strip->nextButton()->geometry(), QRect(621, 15, 17, 24));
    QCOMPARE(m_strip->nextButton()->toolTip(), QStringLiteral("Next Month"));
    QCOMPARE(m_strip->prevButton()->toolTip(), QStringLiteral("Previous Month"));
}

void TestTimCalentar::clicksPickTheDayAndThePage()
{
    // A meal on 3 December, so the reload after the click shows it.
    MealEntry entry;
    entry.name = "Bananas, raw";
    entry.unit = "g";
    entry.gramsPerUnit = 1;
    entry.amount = 120;
    QVERIFY(m_window.dialog->store().AppendMeal({3, 12, 2026}, entry).ok());
    auto *meals = static_cast<CMealsList *>(m_window.dialog->control(DialogLayout::MealList));
    QCOMPARE(meals->count(), 0);

    clickCell(12, 0.25); // upper half: the day, on the Food page
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {3, 12, 2026}));
    QTRY_COMPARE(meals->count(), 1);
    QCOMPARE(m_window.dialog->currentPage(), 1);
    QVERIFY(m_strip->cells()[12].hasData);

    clickCell(12, 0.7); // lower down on the same day: the Diary
    QTRY_COMPARE(m_window.dialog->currentPage(), 3);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {3, 12, 2026}));

    clickCell(20, 0.95); // the bottom edge: page 4, which shows no controls
    QTRY_COMPARE(m_window.dialog->currentPage(), 4);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {11, 12, 2026}));
    QVERIFY(!m_window.dialog->control(DialogLayout::MealList)->isVisible());

    // The margins hold no day.
    QTest::mouseClick(m_strip, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {11, 12, 2026}));
}

void TestTimCalentar::keysAndButtonsMoveTheSelection()
{
    m_strip->setFocus();
    QTest::keyClick(m_strip, Qt::Key_Right);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {6, 12, 2026}));
    QTest::keyClick(m_strip, Qt::Key_Up);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {6, 1, 2027}));
    QTRY_COMPARE(m_window.dialog->monthTitle(), QStringLiteral("January 2027"));
    QTest::keyClick(m_strip, Qt::Key_Down);
    QTest::keyClick(m_strip, Qt::Key_Left);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {5, 12, 2026}));

    // The buttons scroll the strip by a day and the selection with it; the arrows work while
    // a button has the focus.
    const std::int64_t firstDay = m_strip->m_firstDay;
    QTest::mouseClick(m_strip->nextButton(), Qt::LeftButton);
    QCOMPARE(m_strip->m_firstDay, firstDay + DayFiles::SecondsPerDay);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {6, 12, 2026}));
    QTest::mouseClick(m_strip->prevButton(), Qt::LeftButton);
    QCOMPARE(m_strip->m_firstDay, firstDay);
    m_strip->prevButton()->setFocus();
    QTest::keyClick(m_strip->prevButton(), Qt::Key_Left);
    QCOMPARE(selectedDay(*m_strip), (DayFiles::LocalDate {4, 12, 2026}));
    QTRY_COMPARE(m_strip->cells()[13].date, selectedDay(*m_strip));
}

void TestTimCalentar::selectedDayIsFramedInRed()
{
    const auto redColumns = [this] {
        const EraseRequest::SnapshotScope notAnErase;
        const QImage image = m_strip->grab().toImage();
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            // Below the weekday row, where the weekend names are red too.
            const QColor colour = image.pixelColor(x, 30);
            if (colour.red() > 180 && colour.green() < 90 && colour.blue() < 90)
                columns.append(x);
        }
        return columns;
    };
    const QList<int> before = redColumns();
    QVERIFY(!before.isEmpty());
    const float todayX = m_strip->cells()[14].rect.x;
    QVERIFY(before.first() >= todayX - 4 && before.last() < todayX + 30);

    clickCell(20, 0.25);
    QTRY_COMPARE(m_strip->cells()[20].date, selectedDay(*m_strip));
    const float x = m_strip->cells()[20].rect.x;
    const QList<int> after = redColumns();
    QVERIFY(!after.isEmpty());
    QVERIFY(after.first() >= x - 4 && after.last() < x + 30);
}

void TestTimCalentar::weekendNamesAreReadable()
{
    const EraseRequest::SnapshotScope notAnErase;
    const QImage image = m_strip->grab().toImage();
    // Saturday 5 December is today, under the hatch; Sunday 6 December is not.
    for (int index : {14, 15}) {
        const DayStripModel::Rect cell = m_strip->cells()[std::size_t(index)].rect;
        const QRect weekday(int(cell.x), 0, int(cell.width), int(cell.height / 4));
        QVERIFY2(Contrast::ofRedText(image, weekday) >= 3.0, qPrintable(QString::number(index)));
    }
}

namespace {

// 150 g of apple, as a day file holds it.
std::string appleRecord()
{
    return QByteArray::fromHex(
               "92a3a3bfb6d36bcdd6ecd3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3d3"
               "d3d3d3d3d3d3d3d3d3d3d3d3ecd3d353ecd3d3c590b4d3")
        .toStdString();
}

} // namespace

void TestTimCalentar::contextMenuCopiesMeals()
{
    // 150 g of apple on 4 December.
    const std::string apple = appleRecord();
    const std::filesystem::path fourth = m_window.dayFile("db", 4, 12, 2026, ".db");
    const std::filesystem::path fifth = m_window.dayFile("db", 5, 12, 2026, ".db");
    const std::filesystem::path sixth = m_window.dayFile("db", 6, 12, 2026, ".db");
    QVERIFY(FileIo::writeAtomically(fourth, apple));
    m_window.dialog->store().Rescan();
    const auto actions = [](QMenu &menu) {
        QStringList texts;
        for (const QAction *action : menu.actions())
            texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
        return texts;
    };

    // Into the day shown (today, so nothing goes to today): its list shows the apple.
    std::unique_ptr<QMenu> menu(m_strip->ContextMenuFor({5, 12, 2026}));
    const QString complete = QStringLiteral("Day complete: all eaten is logged");
    QCOMPARE(
        actions(*menu),
        (QStringList {QStringLiteral("Copy meals from the previous day"), QString(), complete}));
    menu->actions()[0]->trigger();
    auto *meals = static_cast<CMealsList *>(m_window.dialog->control(DialogLayout::MealList));
    QCOMPARE(meals->count(), 1);
    QCOMPARE(meals->entries()[0].name, std::string("Apple"));
    QCOMPARE(FileIo::readAll(fifth).value(), apple);
    QVERIFY(m_strip->cells()[14].hasData);

    // Into another day: its marker.
    menu.reset(m_strip->ContextMenuFor({6, 12, 2026}));
    QCOMPARE(actions(*menu),
             (QStringList {QStringLiteral("Copy meals from the previous day"),
                           QStringLiteral("Copy meals to today (off)"), QString(), complete}));
    menu->actions()[0]->trigger();
    QCOMPARE(FileIo::readAll(sixth).value(), apple);
    QVERIFY(m_strip->cells()[15].hasData);
    QCOMPARE(meals->count(), 1);

    // From another day to today.
    menu.reset(m_strip->ContextMenuFor({4, 12, 2026}));
    menu->actions()[1]->trigger();
    QCOMPARE(FileIo::readAll(fifth).value(), apple + apple);
    QCOMPARE(meals->count(), 2);
}

void TestTimCalentar::largeCopiesKeepTheirOrder()
{
    // A day the list reads and writes on its worker: 6,000 apples on 3 December.
    std::string large;
    for (int i = 0; i < 6000; ++i)
        large += appleRecord();
    QVERIFY(large.size() >= CMealsList::LargeDayBytes);
    const std::filesystem::path fourth = m_window.dayFile("db", 4, 12, 2026, ".db");
    const std::filesystem::path fifth = m_window.dayFile("db", 5, 12, 2026, ".db");
    QVERIFY(FileIo::writeAtomically(m_window.dayFile("db", 3, 12, 2026, ".db"), large));
    m_window.dialog->store().Rescan();
    auto *meals = static_cast<CMealsList *>(m_window.dialog->control(DialogLayout::MealList));
    QSignalSpy copied(meals, &CMealsList::copied);

    // Into a day not shown, and at once from that day into today's, shown: the second copy
    // reads what the first one wrote.
    std::unique_ptr<QMenu> menu(m_strip->ContextMenuFor({4, 12, 2026}));
    menu->actions()[0]->trigger();
    m_window.dialog->CopyMeals({4, 12, 2026}, {5, 12, 2026});
    QTRY_COMPARE(copied.count(), 2);
    QCOMPARE(FileIo::readAll(fourth).value(), large);
    QCOMPARE(FileIo::readAll(fifth).value(), large);
    QTRY_VERIFY(!meals->isLoading());
    QCOMPARE(meals->count(), 6000);
    QVERIFY(m_strip->cells()[13].hasData);
}

QTEST_MAIN(TestTimCalentar)
#include "tst_timcalentar.moc"
