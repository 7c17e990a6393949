// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts page in the real main window, checked by its pixels: bars and the weight line at
// their days, the titles of the series present, and "No Data" when there is nothing to draw.
#include "ChartSamples.h"
#include "Contrast.h"
#include "MainWindowUnderTest.h"
#include "app/CCorvaloDlg.h"
#include "charts/CCharts.h"
#include "charts/DayRangeForm.h"
#include "controls/SkinButton.h"
#include "layout/PageTable.h"
#include "nutrition/ReportForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <clocale>
#include <functional>
#include <memory>

namespace {

// The strip shows 21 November to 19 December; the page is 638 x 382 with its plot from
// (20, 20) to (618, 342).
constexpr int kPlotBottom = 342;

float dayX(int cell)
{
    return 29.0f + float(cell) * 598.0f / 29.0f;
}

int count(const QImage &image, const QRect &area, const std::function<bool(QColor)> &test)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixelColor(x, y));
    return n;
}

bool yellow(QColor c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() < 100;
}

bool red(QColor c)
{
    return c.red() > 120 && c.green() < 60 && c.blue() < 120;
}

bool white(QColor c)
{
    return c.red() > 235 && c.green() > 235 && c.blue() > 235;
}

// Where the big "No Data" stands.
const QRect kNoDataArea(60, 110, 450, 90);

} // namespace

class TestCharts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void whatIsDrawn_data();
    void whatIsDrawn();
    void barsAndLineStandOnTheirDays();
    void goalLineAndTrend();
    void aYearInWeeksTellsAndOpensItsDays();
    void theReportCountsTheDaysShown();
    void daysOfOwnChoiceAndTheGoalBurnedCaloriesRaise();

private:
    QImage showCharts();

    MainWindowUnderTest m_window;
    CCharts *m_charts = nullptr;
};

void TestCharts::initTestCase()
{
    MainWindowUnderTest::setUpEnvironment();
}

void TestCharts::init()
{
    QVERIFY(m_window.open(1));
    m_charts = static_cast<CCharts *>(m_window.dialog->control(PageTable::ChartsPageWindow));
    sampleDataDirectory() = m_window.folder() / "db";
}

void TestCharts::cleanup()
{
    m_window.close();
}

// The files are read on the next day reload, as after a click on the strip.
QImage TestCharts::showCharts()
{
    m_window.dialog->LoadDay();
    m_window.dialog->SwitchPage(PageTable::Charts);
    if (!m_charts->isVisible() || m_charts->size() != QSize(638, 382))
        return {};
    return m_charts->grab().toImage();
}

void TestCharts::whatIsDrawn_data()
{
    QTest::addColumn<bool>("weights");
    QTest::addColumn<bool>("meals");

    QTest::newRow("nothing stored") << false << false;
    QTest::newRow("weights only") << true << false;
    QTest::newRow("meals only") << false << true;
}

void TestCharts::whatIsDrawn()
{
    QFETCH(bool, weights);
    QFETCH(bool, meals);
    if (weights)
        QVERIFY(writeWeight(1, 12, 2026, 72.5f) && writeWeight(3, 12, 2026, 74.0f));
    if (meals)
        QVERIFY(writeMeal(23, 11, 2026, 1234.0f) && writeMeal(10, 12, 2026, 1780.0f));
    // A file that is not a day changes nothing.
    QVERIFY(writeDataFile("notes.wth", "\x00\x00\xc8\x42"));

    const QImage image = showCharts();
    QVERIFY(!image.isNull());
    // Titles, scale labels, line and bars of the series present; nothing of the others.
    QCOMPARE(count(image, image.rect(), yellow) > 300, weights);
    QCOMPARE(count(image, image.rect(), red) > 300, meals);
    QCOMPARE(count(image, kNoDataArea, white) > 4000, !weights && !meals);
    if (meals) {
        // The red title and the top scale label stay readable on the blue.
        QVERIFY(Contrast::ofRedText(image, QRect(530, 0, 100, 20)) >= 3.0);
        QVERIFY(Contrast::ofRedText(image, QRect(580, 20, 38, 12)) >= 3.0);
    }
}

void TestCharts::barsAndLineStandOnTheirDays()
{
    QVERIFY(writeMeal(23, 11, 2026, 1234.0f)); // cell 2
    QVERIFY(writeMeal(10, 12, 2026, 1780.0f)); // cell 19
    QVERIFY(writeWeight(1, 12, 2026, 72.5f)); // cell 10
    QVERIFY(writeWeight(3, 12, 2026, 74.0f)); // cell 12
    QVERIFY(writeWeight(5, 1, 2026, 79.0f)); // long before the strip: off the plot's left edge

    const QImage image = showCharts();
    QVERIFY(!image.isNull());

    // A translucent red bar reddens its day just above the bottom line, and only its day.
    const auto reddening = [&](int cell) {
        const int x = qRound(dayX(cell));
        const int y = kPlotBottom - 4;
        return image.pixelColor(x, y).red() - image.pixelColor(x + 8, y).red();
    };
    QVERIFY(reddening(2) > 25);
    QVERIFY(reddening(19) > 25);
    QVERIFY(qAbs(reddening(5)) < 8);

    // The yellow line runs through the weights of 1 and 3 December (bounds 70 to 80).
    const auto rowOf = [](float weight) {
        return qRound(kPlotBottom - 322 * (weight - 70) / 10);
    };
    QVERIFY(yellow(image.pixelColor(qRound(dayX(10)), rowOf(72.5f))));
    QVERIFY(yellow(image.pixelColor(qRound(dayX(11)), rowOf(73.25f))));
    // The January weight (cell -320) lies off the plot; the line enters from its left edge.
    const float y = rowOf(79.0f) + (rowOf(72.5f) - rowOf(79.0f)) * (3 + 320) / float(10 + 320);
    QVERIFY(yellow(image.pixelColor(qRound(dayX(3)), qRound(y))));
}

void TestCharts::goalLineAndTrend()
{
    QVERIFY(writeMeal(23, 11, 2026, 1234.0f) && writeMeal(10, 12, 2026, 1780.0f));
    // The trend: 72.5, carried over 2 December, then a tenth of the way to 74: 0.15 in 2 days.
    QVERIFY(writeWeight(1, 12, 2026, 72.5f) && writeWeight(3, 12, 2026, 74.0f));
    m_charts->SetCalorieGoal(2000);

    const QImage image = showCharts();
    QVERIFY(!image.isNull());
    QCOMPARE(m_charts->trendText(), QStringLiteral("Trend: +0.5 per week"));

    // A goal on the scale's top (2000) stretches it to 2500: the line lies at
    // 342 - 322 * (2000 - 1000) / (2500 - 1000), row 127, across the plot.
    const auto goalRed = [](QColor c) {
        return c.red() > 200 && c.green() < 110 && c.blue() < 110;
    };
    QVERIFY(count(image, QRect(100, 126, 400, 3), goalRed) > 200);
    QCOMPARE(count(image, QRect(100, 100, 400, 20), goalRed), 0);
    QCOMPARE(count(image, QRect(100, 135, 400, 20), goalRed), 0);
    // The rate in green beside the "Weight" title.
    const auto green = [](QColor c) {
        return c.green() > 200 && c.red() < 170 && c.blue() < 190;
    };
    QVERIFY(count(image, QRect(90, 0, 200, 20), green) > 40);

    // No goal: the scale as the calories give it, and no line.
    m_charts->SetCalorieGoal(0);
    const QImage plain = m_charts->grab().toImage();
    QCOMPARE(count(plain, QRect(100, 126, 400, 3), goalRed), 0);
}

void TestCharts::aYearInWeeksTellsAndOpensItsDays()
{
    // The week of Monday 23 November: two days logged of seven; and one day of March.
    QVERIFY(writeMeal(23, 11, 2026, 1000.0f) && writeMeal(25, 11, 2026, 2000.0f));
    QVERIFY(writeMeal(10, 3, 2026, 1800.0f));
    QVERIFY(writeWeight(24, 11, 2026, 72.0f) && writeWeight(26, 11, 2026, 73.0f));
    // Burned beside the eaten: 380 and 200 kcal on two days of that week.
    QVERIFY(FileIo::writeAtomically(sampleFile(24, 11, 2026, ".act"), "Cycling\t45\t380\n"));
    QVERIFY(FileIo::writeAtomically(sampleFile(26, 11, 2026, ".act"), "Walk\t60\t200\n"));
    QVERIFY(!showCharts().isNull());

    // The box's fourth entry, chosen from the keyboard: a year up to today, 5 December 2026.
    QComboBox *range = m_charts->rangeBox();
    range->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(range, Qt::Key_Down);
    QCOMPARE(m_charts->range(), ChartSpan::Kind::Year);
    QCOMPARE(m_charts->dayCount(), 365);

    // The arrow keys stand on the weeks with data, the last one first.
    m_charts->setFocus();
    QTest::keyClick(m_charts, Qt::Key_End);
    QCOMPARE(m_charts->marks().size(), std::size_t(2));
    const QStringList lines = m_charts->markText(m_charts->focusedMark()).split(u'\n');
    QVERIFY(lines.size() >= 4);
    QCOMPARE(lines[1], QStringLiteral("Calories: 1500 a day, 2 of 7 days logged"));
    QCOMPARE(lines[2], QStringLiteral("Burned: 290 a day on 2 days"));
    QCOMPARE(lines[3], QStringLiteral("Weight: 72.5 on average"));
    QVERIFY(m_charts->accessibleDescription().startsWith(lines[0]));

    // Enter opens the week's last day with data, on the Food page.
    QTest::keyClick(m_charts, Qt::Key_Return);
    QCOMPARE(m_window.dialog->selectedDay(), (DayFiles::LocalDate {26, 11, 2026}));
    QCOMPARE(m_window.dialog->currentPage(), int(PageTable::Food));
}

void TestCharts::theReportCountsTheDaysShown()
{
    QVERIFY(writeMeal(23, 11, 2026, 1000.0f) && writeMeal(25, 11, 2026, 2000.0f));
    QVERIFY(writeMeal(10, 1, 2026, 5000.0f)); // long before the strip's days
    QVERIFY(writeWeight(24, 11, 2026, 72.0f) && writeWeight(3, 12, 2026, 71.4f));
    QVERIFY(!showCharts().isNull());

    QString text;
    QTimer::singleShot(0, this, [&text] {
        auto *form = qobject_cast<ReportForm *>(QApplication::activeModalWidget());
        QVERIFY(form);
        text = form->reportText();
        form->tryCommit();
    });
    QTest::mouseClick(m_charts->reportButton(), Qt::LeftButton);
    // The strip's 29 days, 21 November to 19 December.
    QVERIFY2(text.startsWith(QStringLiteral("2 of 29 days logged")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Calories</td><td align=\"right\">&nbsp;&nbsp;1500<")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("change -0.6")), qPrintable(text));
}

void TestCharts::daysOfOwnChoiceAndTheGoalBurnedCaloriesRaise()
{
    QVERIFY(writeMeal(23, 11, 2026, 1000.0f) && writeMeal(25, 11, 2026, 2000.0f));
    QVERIFY(FileIo::writeAtomically(sampleFile(25, 11, 2026, ".act"), "Walk\t60\t300\n"));
    QVERIFY(!showCharts().isNull());

    // The box's last entry asks for the days; the last one offered is today, 5 December.
    QDate offered;
    QTimer::singleShot(0, this, [&offered] {
        auto *form = qobject_cast<DayRangeForm *>(QApplication::activeModalWidget());
        QVERIFY(form);
        offered = form->last();
        form->firstBox()->setDate(QDate(2026, 11, 22));
        form->lastBox()->setDate(QDate(2026, 11, 25));
        form->tryCommit();
    });
    QComboBox *range = m_charts->rangeBox();
    range->setFocus();
    QTest::keyClick(range, Qt::Key_End);
    QCOMPARE(offered, QDate(2026, 12, 5));
    QCOMPARE(m_charts->range(), ChartSpan::Kind::Custom);
    QCOMPARE(m_charts->dayCount(), 4);

    m_charts->SetCalorieGoal(2000);
    QVERIFY(!m_charts->accessibleDescription().contains(QStringLiteral("more on days")));
    m_charts->SetAddBurnedToGoal(true);
    QVERIFY2(m_charts->accessibleDescription().endsWith(
                 QStringLiteral("Calorie goal: 2000 a day, more on days with calories burned.")),
             qPrintable(m_charts->accessibleDescription()));

    // The report covers the days chosen.
    QString text;
    QTimer::singleShot(0, this, [&text] {
        auto *form = qobject_cast<ReportForm *>(QApplication::activeModalWidget());
        QVERIFY(form);
        text = form->reportText();
        form->tryCommit();
    });
    QTest::mouseClick(m_charts->reportButton(), Qt::LeftButton);
    QVERIFY2(text.startsWith(QStringLiteral("2 of 4 days logged")), qPrintable(text));
}

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
