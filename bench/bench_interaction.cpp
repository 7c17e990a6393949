// SPDX-License-Identifier: GPL-3.0-or-later
// Response times of the real main window, offscreen: from a key press in the search box until
// the food list has repainted (alphabetical, and with best matches first), and from a click on
// Add until the nutrient panel has repainted the new totals. Each figure is the median (and worst)
// over many rounds.
// Usage: corvalo_bench_interaction   (QT_QPA_PLATFORM=offscreen unless set otherwise)

#include "BenchFolder.h"
#include "app/CCorvaloDlg.h"
#include "layout/DialogLayout.h"
#include "platform/Clock.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Notes when a widget has finished painting: the filter sees the paint event before the widget
// does, so the flag is read only after the event loop has run.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) : m_widget(widget) { widget->installEventFilter(this); }

    // Milliseconds from the start of `action` until the widget has painted, or -1.
    template<typename Action> double time(Action action)
    {
        QCoreApplication::processEvents();
        m_painted = false;
        QElapsedTimer timer;
        timer.start();
        action();
        return waitForPaint(timer);
    }

private:
    // Runs the event loop until the widget has painted; milliseconds since `since`, or -1 when
    // nothing was repainted (a space after a word leaves the list as it is).
    double waitForPaint(const QElapsedTimer &since)
    {
        QElapsedTimer idle;
        idle.start();
        while (!m_painted && idle.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double elapsed = m_painted ? double(since.nsecsElapsed()) / 1e6 : -1.0;
        m_painted = false;
        return elapsed;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

    QWidget *m_widget;
    bool m_painted = false;
};

void report(const char *what, std::vector<double> times)
{
    std::erase(times, -1.0);
    std::sort(times.begin(), times.end());
    std::printf("%-50s median %7.2f ms   worst %7.2f ms   (%zu rounds)\n", what,
                times[times.size() / 2], times.back(), times.size());
}

// Rows of the food list wholly inside its viewport, as the window shows them unscrolled. Only
// the height counts: the one column is wider than the list.
int visibleRows(const QAbstractItemView *list)
{
    int rows = 0;
    while (rows < list->model()->rowCount() &&
           list->visualRect(list->model()->index(rows, 0)).bottom() < list->viewport()->height())
        ++rows;
    return rows;
}

// Every key of a few real searches, the first two letters (a pass over every record) and the
// deletions back to an empty box included.
void measureTyping(const char *setting)
{
    AppSettings::writeBestMatchesFirst(std::strcmp(setting, "on") == 0);
    CCorvaloDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return;
    auto *searchBox = static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox));
    auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
    PaintWatch listPaint(list->viewport());
    if (!QTest::qWaitFor([list] { return list->model()->rowCount() > 0; }, 5000))
        return;
    QTest::qWait(50);

    std::vector<double> typing, deleting;
    const char *queries[] = {"chicken raw", "apple juice", "cheese cheddar",   "beef ground",
                             "milk",        "eggs",        "whole wheat bread"};
    for (int round = 0; round < 5; ++round) {
        for (const char *query : queries) {
            for (const char *c = query; *c; ++c)
                typing.push_back(listPaint.time([&] { QTest::keyClick(searchBox, *c); }));
            while (!searchBox->text().isEmpty())
                deleting.push_back(
                    listPaint.time([&] { QTest::keyClick(searchBox, Qt::Key_Backspace); }));
        }
    }
    // Typos and other spellings: the close matches are sought on every key that finds few.
    std::vector<double> typos;
    const char *misspelt[] = {"bananna", "chiken brest", "spagetti", "yoghurt", "milch", "avacado"};
    for (int round = 0; round < 5; ++round) {
        for (const char *query : misspelt) {
            for (const char *c = query; *c; ++c)
                typos.push_back(listPaint.time([&] { QTest::keyClick(searchBox, *c); }));
            while (!searchBox->text().isEmpty())
                QTest::keyClick(searchBox, Qt::Key_Backspace);
        }
    }
    char what[96];
    std::snprintf(what, sizeof what, "key press -> food list repainted (typing, best %s)", setting);
    report(what, typing);
    std::snprintf(what, sizeof what, "key press -> food list repainted (typos, best %s)", setting);
    report(what, typos);
    std::snprintf(what, sizeof what, "key press -> food list repainted (deleting, best %s)",
                  setting);
    report(what, deleting);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    const BenchFolder dir(1);
    Clock::setNowForTesting(1796463000); // 5 December 2026

    // Alphabetical, then best matches first.
    measureTyping("off");
    measureTyping("on");

    AppSettings::writeBestMatchesFirst(false);
    CCorvaloDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    auto *searchBox = static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox));
    auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
    auto *units = static_cast<QComboBox *>(dialog.control(DialogLayout::UnitBox));
    QWidget *addButton = dialog.control(DialogLayout::AddButton);
    QWidget *panel = dialog.control(DialogLayout::NutrientPanel);
    PaintWatch panelPaint(panel);
    if (!QTest::qWaitFor([list] { return list->model()->rowCount() > 0; }, 5000))
        return 1;
    QTest::qWait(50);
    std::printf("food list: %d whole rows shown without scrolling\n", visibleRows(list));

    QTest::keyClicks(searchBox, QStringLiteral("apple raw"));
    QCoreApplication::processEvents();
    const QModelIndex first = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    if (units->count() == 0)
        return 1;
    std::vector<double> adding;
    for (int round = 0; round < 60; ++round)
        adding.push_back(panelPaint.time([&] { QTest::mouseClick(addButton, Qt::LeftButton); }));
    report("Add -> totals repainted (day of 1 to 60 entries)", adding);
    return 0;
}
