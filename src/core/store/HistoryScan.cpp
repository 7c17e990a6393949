// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryScan.h"

#include "calendar/DayFiles.h"
#include "calendar/DayStripModel.h"

#include <algorithm>
#include <cmath>

namespace HistoryScan {

namespace {

// Zero or less means no entry; a value that is not finite (garbage bytes) would break the scale.
bool usable(float value)
{
    return std::isfinite(value) && value > 0.0f;
}

int digits(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Keeps the running bounds and the flag as the samples come in.
struct Accumulator
{
    Series series;
    float largest = 0.0f;
    float smallest = 0.0f;

    void add(std::int64_t date, float value)
    {
        series.hasSamples = true;
        largest = std::max(largest, value);
        smallest = std::min(smallest, value);
        series.samples.push_back({date, value});
    }

    Series finish(Step step)
    {
        series.top = RoundedTop(largest, step);
        series.bottom = RoundedBottom(smallest, step);
        SortByDate(series.samples);
        return std::move(series);
    }
};

} // namespace

std::optional<std::int64_t> DateOfFileName(std::string_view name, std::string_view extension)
{
    constexpr std::size_t KeyLength = 10; // "%m-%d-%Y"
    if (name.size() != KeyLength + 1 + extension.size() || name[KeyLength] != '.' ||
        name.substr(KeyLength + 1) != extension || name[2] != '-' || name[5] != '-')
        return std::nullopt;
    const int month = digits(name.substr(0, 2));
    const int day = digits(name.substr(3, 2));
    const int year = digits(name.substr(6, 4));
    if (month < 0 || day < 0 || year < 0)
        return std::nullopt;
    // Only a name that is its own day's key: "02-30-2026" is no day, though mktime would
    // carry it into March.
    const std::int64_t noon = DayFiles::NoonOf(day, month, year);
    if (DayFiles::DayKey(noon) != name.substr(0, KeyLength))
        return std::nullopt;
    return noon;
}

Series WeightSeriesOf(std::vector<DaySample> samples)
{
    Accumulator weights;
    weights.smallest = 9999999.0f;
    weights.series.samples.reserve(samples.size());
    for (const DaySample &sample : samples)
        weights.add(sample.date, sample.value);
    return weights.finish(WeightStep);
}

Series LoadCalorieSeries(std::int64_t firstDay, int dayCount, const CaloriesOf &caloriesOf)
{
    Accumulator calories;
    calories.smallest = 1000000000.0f;
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    for (int i = 0; i < dayCount; ++i) {
        const DayFiles::LocalDate date = DayStripModel::CellDate(first, i);
        if (date.year == 0)
            continue;
        const std::int64_t noon = DayFiles::NoonOf(date.day, date.month, date.year);
        const std::optional<double> stored = caloriesOf(DayFiles::DayKey(noon));
        if (!stored)
            continue;
        const auto total = static_cast<float>(*stored);
        if (usable(total))
            calories.add(noon, total);
    }
    return calories.finish(CalorieStep);
}

float RoundedTop(float largest, Step step)
{
    return static_cast<float>(step.size * std::floor(double(largest) * step.reciprocal + 1.0));
}

float RoundedBottom(float smallest, Step step)
{
    return static_cast<float>(step.size * std::floor(double(smallest) * step.reciprocal));
}

void SortByDate(std::vector<DaySample> &samples)
{
    std::stable_sort(samples.begin(), samples.end(),
                     [](const DaySample &a, const DaySample &b) { return a.date < b.date; });
}

} // namespace HistoryScan
