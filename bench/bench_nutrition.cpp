// SPDX-License-Identifier: GPL-3.0-or-later
// Nutrition timings on the shipped food data, each against its target:
//   loading the nutrient side table (all checks) beside loading the food database it goes with;
//   one day of 10 and of 50 entries in full (every nutrient, coverage, sources): within 5 ms;
//   the average of a year and of ten years of days of 10 entries each, with the foods that gave
//   each nutrient: within 100 ms and 1 s.
// Usage: corvalo_bench_nutrition [DIR]   (DIR holds 137, 138 and 139; default: the build's)

#include "food/FoodDatabase.h"
#include "food/NutrientData.h"
#include "nutrition/DayNutrition.h"
#include "nutrition/PeriodNutrition.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::uint8_t> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The median of the rounds, in milliseconds.
double median(int rounds, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + std::ptrdiff_t(times.size() / 2), times.end());
    return times[times.size() / 2];
}

bool report(const char *what, double measured, double target)
{
    std::printf("%-48s %9.3f ms  (target <= %g ms): %s\n", what, measured, target,
                measured <= target ? "met" : "MISSED");
    return measured <= target;
}

volatile double g_sink; // keeps the work from being optimised away

// Entries of foods spread over the database, as logged: the ten stored per gram, 1.5 servings
// of 100 g.
std::vector<MealEntry> someDay(const FoodDatabase &database, unsigned &seed, int count)
{
    std::vector<MealEntry> entries;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int index = int((seed >> 8) % unsigned(database.recordCount()));
        MealEntry entry;
        entry.name = database.name(index);
        entry.nutrients = database.record(index).nutrients();
        entry.gramsPerUnit = 100.0f;
        entry.amount = 1.5f;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string dir = argc > 1 ? argv[1] : CORVALO_SHIPPED_DB;
    const std::vector<std::uint8_t> stored = readFile(dir + "/137");
    const std::vector<std::uint8_t> table = readFile(dir + "/138");
    const std::vector<std::uint8_t> side = readFile(dir + "/139");
    FoodDatabase database;
    NutrientData data;
    if (!database.load(stored, table) || !data.load(side)) {
        std::fprintf(stderr, "%s: no sound food data\n", dir.c_str());
        return 1;
    }
    std::printf("food database %zu bytes, nutrient side table %zu bytes, %d foods\n\n",
                stored.size(), side.size(), data.foodCount());

    bool met = true;
    const double databaseLoad = median(40, [&] {
        FoodDatabase loaded;
        loaded.load(stored, table);
        g_sink = loaded.recordCount();
    });
    const double sideLoad = median(40, [&] {
        NutrientData loaded;
        loaded.load(side);
        g_sink = loaded.foodCount();
    });
    std::printf("%-48s %9.3f ms\n", "food database load (for comparison)", databaseLoad);
    met &= report("nutrient side table load (every check)", sideLoad, 5.0);

    const NutrientLookup lookup(database, data);
    unsigned seed = 2026;
    for (const int count : {10, 50}) {
        const std::vector<MealEntry> day = someDay(database, seed, count);
        const double time = median(200, [&] {
            const DayNutrition nutrition(day, lookup);
            double sum = 0.0;
            for (int id = 0; id < NutrientCatalogue::Count; ++id)
                sum += nutrition.totals().coverage(id) + double(nutrition.sources(id).size());
            g_sink = sum;
        });
        const std::string what = "one day of " + std::to_string(count) + " entries, sources too";
        met &= report(what.c_str(), time, 5.0);
    }

    for (const int years : {1, 10}) {
        std::vector<std::vector<MealEntry>> days;
        for (int d = 0; d < 365 * years; ++d)
            days.push_back(someDay(database, seed, 10));
        // As the Nutrients page does it: day by day, with the foods that gave each nutrient.
        const double time = median(years == 1 ? 20 : 5, [&] {
            std::size_t next = 0;
            const PeriodNutrition period(
                {1, 1, 2017}, int(days.size()),
                [&](const DayFiles::LocalDate &) { return days[next++]; }, lookup);
            g_sink = *period.totals().perDay(NutrientId::Energy) +
                double(period.sources(NutrientId::VitaminC).size());
        });
        const std::string what = "average of " + std::to_string(years) +
            (years == 1 ? " year" : " years") + ", 10 entries a day";
        met &= report(what.c_str(), time, years == 1 ? 100.0 : 1000.0);
    }
    return met ? 0 : 1;
}
