// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts page over a long diary, the real widget offscreen: ten years of days (3,650, 10
// entries each, a weight every third day that drifts and swings as a body's does), written as plain
// day files. Timed per range, after the first look at the data (the first update reads every file
// once; later ones reuse what was read): the update that reads the series and places the bars, and
// the paint. Targets: a year within 20 ms, ten years within 100 ms. Usage: corvalo_bench_longview
// [rounds]

#include "calendar/DayFiles.h"
#include "calendar/DaySelection.h"
#include "charts/CCharts.h"
#include "export/DiaryReport.h"
#include "food/FoodDatabase.h"
#include "food/NutrientData.h"
#include "meals/MealRecord.h"
#include "nutrition/NutrientLookup.h"
#include "platform/Clock.h"
#include "store/DayStore.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

double median(int rounds, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Steady::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + std::ptrdiff_t(times.size() / 2), times.end());
    return times[times.size() / 2];
}

void writeBytes(const std::filesystem::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Ten years of days up to `last`, as the program writes them, without a safe write each.
void writeDiary(const std::filesystem::path &data, int days, const DayFiles::LocalDate &last)
{
    unsigned seed = 7;
    for (int back = 0; back < days; ++back) {
        const std::int64_t noon = DayFiles::NoonOf(last.day - back, last.month, last.year);
        const DayFiles::LocalDate date = DayFiles::LocalDateOf(noon);
        const std::string key = DayFiles::DateKey(date.day, date.month, date.year);
        std::string meals;
        for (int i = 0; i < 10; ++i) {
            seed = seed * 1103515245u + 12345u;
            MealEntry entry;
            entry.name = "Food " + std::to_string(seed % 5000);
            entry.nutrients[Nutrient::Calories] = 0.5f + float(seed % 300) / 100.0f;
            entry.gramsPerUnit = 100.0f;
            entry.amount = 1.0f;
            entry.unit = "100 g";
            meals += MealRecord::Encode(entry);
        }
        writeBytes(data / (key + ".db"), meals);
        if (back % 3 == 0) {
            // A slow drift of a few kilograms and a day's swing of up to half a kilogram.
            seed = seed * 1103515245u + 12345u;
            const float weight =
                75.0f + 4.0f * float(std::sin(back / 150.0)) + float(int(seed % 11) - 5) / 10.0f;
            char bytes[4];
            std::memcpy(bytes, &weight, 4);
            writeBytes(data / (key + ".wth"), std::string(bytes, 4));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    std::filesystem::create_directories(root / "db");
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
    writeDiary(root / "db", 3650, today);

    DayStore store;
    if (!store.UseFolder(root, FileIo::Result::success(root)).ok()) {
        std::fprintf(stderr, "cannot use %s\n", root.c_str());
        return 1;
    }
    DaySelection strip;
    strip.m_firstDay = DayFiles::NoonOf(today.day - 14, today.month, today.year);
    strip.m_dayCount = 29;
    CCharts chart;
    chart.setStore(&store);
    chart.setDays(&strip);
    chart.resize(640, 360);
    chart.show(); // a hidden chart leaves its update for when it is shown

    bool met = true;
    const auto first = Steady::now();
    chart.setRange(ChartSpan::Kind::All);
    std::printf("%-40s %9.3f ms\n", "first look, all of ten years",
                std::chrono::duration<double, std::milli>(Steady::now() - first).count());
    struct Range
    {
        ChartSpan::Kind kind;
        const char *name;
        double target;
    };
    for (const Range &range : {Range {ChartSpan::Kind::Strip, "strip, 29 days", 20.0},
                               Range {ChartSpan::Kind::ThreeMonths, "3 months", 20.0},
                               Range {ChartSpan::Kind::Year, "a year", 20.0},
                               Range {ChartSpan::Kind::All, "ten years", 100.0}}) {
        chart.setRange(range.kind);
        const double update = median(rounds, [&] { chart.UpdateCharts(); });
        const double paint = median(rounds, [&] { (void)chart.grab(); });
        const bool ok = update + paint <= range.target;
        met = met && ok;
        std::printf("%-18s update %8.3f ms  paint %8.3f ms  (target <= %g ms): %s  (%zu bars)\n",
                    range.name, update, paint, range.target, ok ? "met" : "MISSED",
                    chart.marks().size());
    }

    // The report of the same ranges, read from the day files as the window's report reads them;
    // foods without a database, so that only the reading and the sums are timed.
    const FoodDatabase foods;
    const NutrientData data;
    const NutrientLookup lookup(foods, data);
    for (const Range &range : {Range {ChartSpan::Kind::Year, "report, a year", 20.0},
                               Range {ChartSpan::Kind::All, "report, ten years", 100.0}}) {
        chart.setRange(range.kind);
        const DayFiles::LocalDate first = DayFiles::LocalDateOf(chart.firstDay());
        int logged = 0;
        const double took = median(rounds, [&] {
            logged = DiaryReport::make(store, first, chart.dayCount(), lookup, false)->loggedDays();
        });
        const bool ok = took <= range.target;
        met = met && ok;
        std::printf("%-18s %8.3f ms  (target <= %g ms): %s  (%d days logged)\n", range.name, took,
                    range.target, ok ? "met" : "MISSED", logged);
    }
    return met ? 0 : 1;
}
