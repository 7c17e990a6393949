// SPDX-License-Identifier: GPL-3.0-or-later
// Day and page switches of the real main window over a long history, offscreen: a data folder of
// `years` * 365 days, each with a meal file and a weight, every seventh with a note. For each
// switch, the CPU time of the process and the wall time until the weight box has repainted.
// Usage: corvalo_bench_dayswitch [years...]   (default: 10 20)

#include "BenchFolder.h"
#include "app/CCorvaloApp.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/MealRecord.h"
#include "platform/Clock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::int64_t kNow = 1796463000; // 5 December 2026

double cpuMilliseconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Plain writes: a generated history needs no atomic rewrites, and thousands of them would only
// make the set-up slow.
void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

void writeHistory(const std::filesystem::path &folder, int days)
{
    std::filesystem::create_directories(folder / "db");
    std::filesystem::create_directories(folder / "note");
    for (int i = 0; i < days; ++i) {
        const std::string key = DayFiles::DayKey(kNow - std::int64_t(i) * DayFiles::SecondsPerDay);
        std::string meals;
        for (int m = 0; m < 4; ++m) {
            MealEntry meal;
            meal.name = "Oats, regular, cooked";
            meal.unit = "cup";
            meal.nutrients[Nutrient::Calories] = 0.71f;
            meal.gramsPerUnit = 234.0f;
            meal.amount = 1.0f + float((i + m) % 3);
            meals += MealRecord::Encode(meal);
        }
        writeFile(folder / "db" / (key + ".db"), meals);
        const float weight = 80.0f + float(i % 50) / 10.0f;
        writeFile(folder / "db" / (key + ".wth"),
                  std::string(reinterpret_cast<const char *>(&weight), 4));
        if (i % 7 == 0)
            writeFile(folder / "note" / (key + ".txt"), "A note for the day.\n");
    }
}

// Notes when a widget has painted; the flag is read once the event loop has run.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) : m_widget(widget) { widget->installEventFilter(this); }

    struct Times
    {
        double cpu;
        double wall;
    };
    template<typename Action> Times time(Action action)
    {
        QCoreApplication::processEvents();
        m_painted = false;
        const double cpu = cpuMilliseconds();
        QElapsedTimer timer;
        timer.start();
        action();
        QElapsedTimer idle;
        idle.start();
        // A page that hides the weight box: the switch is over once the queued reload has run.
        while (!m_painted && m_widget->isVisible() && idle.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::processEvents();
        const double wall = double(timer.nsecsElapsed()) / 1e6;
        return {cpuMilliseconds() - cpu, m_painted || !m_widget->isVisible() ? wall : -1.0};
    }

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

    QWidget *m_widget;
    bool m_painted = false;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1.0 : values[values.size() / 2];
}

void report(const char *what, const std::vector<PaintWatch::Times> &times)
{
    std::vector<double> cpu, wall;
    for (const PaintWatch::Times &t : times) {
        cpu.push_back(t.cpu);
        if (t.wall >= 0)
            wall.push_back(t.wall);
    }
    std::printf("  %-32s CPU median %7.2f ms   wall to repainted median %7.2f ms"
                "   (%zu rounds)\n",
                what, median(cpu), median(wall), times.size());
}

int run(int years)
{
    const int days = years * 365;
    const BenchFolder dir(PageTable::Food);
    writeHistory(dir.path(), days);

    CCorvaloDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    QTest::qWait(100);
    QWidget *strip = dialog.dayStrip();
    PaintWatch weightPaint(dialog.control(DialogLayout::WeightBox));

    std::vector<PaintWatch::Times> daySwitches, pageSwitches;
    // Markers for a system call trace (strace -f -e trace=%file): the day switches lie between.
    ::access("/corvalo-bench/day-switches-begin", F_OK);
    for (int round = 0; round < 20; ++round) {
        strip->setFocus();
        daySwitches.push_back(weightPaint.time(
            [&] { QTest::keyClick(strip, round % 2 ? Qt::Key_Right : Qt::Key_Left); }));
    }
    ::access("/corvalo-bench/day-switches-end", F_OK);
    const int pages[] = {PageTable::Charts, PageTable::Diary, PageTable::Food};
    for (int round = 0; round < 21; ++round) {
        auto *button =
            static_cast<QAbstractButton *>(dialog.control(PageTable::ButtonOf(pages[round % 3])));
        pageSwitches.push_back(weightPaint.time([&] { button->click(); }));
    }
    std::printf("%d years (%d days of meals and weights):\n", years, days);
    report("day switch (arrow key)", daySwitches);
    report("page switch (page button)", pageSwitches);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program does, unless the environment names a zone (CORVALO_BENCH_TZ_UNPINNED=1
    // leaves it as it was, to see what the pin saves).
    if (qEnvironmentVariableIsEmpty("CORVALO_BENCH_TZ_UNPINNED"))
        CCorvaloApp::PinTimeZone();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Clock::setNowForTesting(kNow);

    std::vector<int> years;
    for (int i = 1; i < argc; ++i)
        years.push_back(std::atoi(argv[i]));
    if (years.empty())
        years = {10, 20};
    for (int y : years) {
        if (y <= 0 || run(y) != 0)
            return 1;
    }
    return 0;
}
