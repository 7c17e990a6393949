// SPDX-License-Identifier: GPL-3.0-or-later
// The window's longest freeze while it opens a very large day, while Add, Delete Selected and an
// amount edit change it, and while its meals are copied to other days: a timer asks to run every
// 5 ms, and the longest gap between its runs is how long the window could not answer.
// Usage: corvalo_bench_bigday [megabytes] (default 50)

#include "BenchFolder.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CTimCalentar.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "meals/MealRecord.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// Runs `action`, then the event loop until `done`, and returns the longest gap between two runs
// of a 5 ms timer, and the time until done, in milliseconds.
std::pair<double, double> longestFreeze(const std::function<void()> &action,
                                        const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    QTimer::singleShot(0, action);
    while (!done() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    longest = std::max(longest, clock.nsecsElapsed() - last);
    return {double(longest) / 1e6, double(clock.nsecsElapsed()) / 1e6};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 50;

    const BenchFolder dir(1);
    Clock::setNowForTesting(1796463000); // 5 December 2026

    // 4 December: records of a real food's size until the file has the size asked for.
    MealEntry entry;
    entry.name = "Cereals, oats, regular and quick, unenriched, cooked with water";
    entry.unit = "cup";
    entry.gramsPerUnit = 234.0f;
    entry.amount = 1.0f;
    entry.nutrients.fill(0.5f);
    const std::string record = MealRecord::Encode(entry);
    std::string image;
    image.reserve(std::size_t(megabytes) << 20);
    while (image.size() + record.size() <= std::size_t(megabytes) << 20)
        image += record;
    std::filesystem::create_directories(dir.path() / "db");
    if (!FileIo::writeAtomically(dir.path() / "db" / "12-04-2026.db", image)) {
        std::fprintf(stderr, "could not write the day\n");
        return 1;
    }
    const int records = int(image.size() / record.size());

    CCorvaloDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    auto *meals = static_cast<CMealsList *>(dialog.control(DialogLayout::MealList));

    const auto [openFreeze, openTotal] =
        longestFreeze([&] { dialog.dayStrip()->MoveSelection(DayStripModel::Key::Left); },
                      [&] { return meals->count() == records; });
    std::printf("open a day of %ld MB (%d entries): longest freeze %.0f ms, shown after %.0f ms\n",
                megabytes, records, openFreeze, openTotal);

    static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox))
        ->setText(QStringLiteral("banana raw"));
    dialog.SelectFood(0);
    const auto [addFreeze, addTotal] = longestFreeze(
        [&] { static_cast<QAbstractButton *>(dialog.control(DialogLayout::AddButton))->click(); },
        [&] { return meals->count() == records + 1; });
    std::printf("Add on that day: longest freeze %.0f ms, shown after %.0f ms\n", addFreeze,
                addTotal);

    // The top row shown: tick it, then Delete Selected.
    const MealRowLayout &layout = meals->rowLayout();
    const auto [deleteFreeze, deleteTotal] = longestFreeze(
        [&] {
            QTest::mouseClick(meals->viewport(), Qt::LeftButton, {}, QPoint(10, 12));
            static_cast<QAbstractButton *>(dialog.control(DialogLayout::DeleteSelectedButton))
                ->click();
        },
        [&] { return meals->count() == records; });
    std::printf("Delete Selected on that day: longest freeze %.0f ms, shown after %.0f ms\n",
                deleteFreeze, deleteTotal);

    const int last = records - 1;
    const auto [editFreeze, editTotal] = longestFreeze(
        [&] {
            meals->scrollToBottom();
            const int row = last - meals->topRow();
            QTest::mouseClick(meals->viewport(), Qt::LeftButton, {},
                              QPoint(layout.amountLeft() + 20, row * 24 + 12));
            QTest::keyClicks(meals->amountEditor(), QStringLiteral("3"));
            QTest::keyClick(meals->amountEditor(), Qt::Key_Return);
        },
        [&] { return meals->count() == records && meals->entries()[last].amount == 3.0f; });
    std::printf("An amount edit on that day: longest freeze %.0f ms, shown after %.0f ms\n",
                editFreeze, editTotal);

    // The day strip's menu, as the user picks from it: that day to today (not shown), then the
    // copy into the day after it, shown.
    const auto copyFrom = [&](const DayFiles::LocalDate &day, int action) {
        std::unique_ptr<QMenu> menu(dialog.dayStrip()->ContextMenuFor(day));
        menu->actions()[action]->trigger();
    };
    QSignalSpy copies(meals, &CMealsList::copied);
    const auto [toTodayFreeze, toTodayTotal] = longestFreeze(
        [&] {
            copyFrom({4, 12, 2026}, 1);
        },
        [&] { return copies.count() == 1; });
    std::printf(
        "Copy meals to today from that day: longest freeze %.0f ms, written after %.0f ms\n",
        toTodayFreeze, toTodayTotal);

    dialog.dayStrip()->MoveSelection(DayStripModel::Key::Right);
    dialog.dayStrip()->MoveSelection(DayStripModel::Key::Right);
    QTest::qWait(50);
    const auto [intoShownFreeze, intoShownTotal] = longestFreeze(
        [&] {
            copyFrom({6, 12, 2026}, 0);
        },
        [&] { return !meals->isLoading() && meals->count() >= records; });
    std::printf("Copy meals from the previous day into the day shown: longest freeze %.0f ms, "
                "shown after %.0f ms\n",
                intoShownFreeze, intoShownTotal);

    // Back on that day, its meal list's menu: all its entries to today.
    dialog.dayStrip()->MoveSelection(DayStripModel::Key::Left);
    dialog.dayStrip()->MoveSelection(DayStripModel::Key::Left);
    longestFreeze(
        [] {},
        [&] { return meals->day().day == 4 && !meals->isLoading() && meals->count() == records; });
    copies.clear();
    const auto [listFreeze, listTotal] = longestFreeze(
        [&] {
            std::unique_ptr<QMenu> menu(meals->ContextMenu());
            menu->actions()[0]->trigger();
        },
        [&] { return copies.count() == 1; });
    std::printf("Copy meals to today from that day's list: longest freeze %.0f ms, written after "
                "%.0f ms\n",
                listFreeze, listTotal);
    return 0;
}
