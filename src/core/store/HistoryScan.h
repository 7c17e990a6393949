// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/DaySample.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads the stored days of a data directory into the two chart series: every weight file, and
// the meal day files of the days on the strip. Nothing is written.
namespace HistoryScan {

struct Series
{
    std::vector<DaySample> samples; // ascending by date
    float top = 0.0f;
    float bottom = 0.0f;
    bool hasSamples = false;
};

// The day a file name stands for (12:00:01 local time), when the name is a day key "%m-%d-%Y"
// followed by the extension; foreign files in the data folder give nothing.
std::optional<std::int64_t> DateOfFileName(std::string_view name, std::string_view extension);

// Bounds on multiples of 10 around weights above zero that are already ascending by date.
Series WeightSeriesOf(std::vector<DaySample> samples);

// The calorie totals above zero of the dayCount calendar days from the local date of firstDay,
// counted the way the day strip counts its cells; bounds on multiples of 500. `caloriesOf` gives
// the calories of the meal file of a day key ("%m-%d-%Y"), or nothing when the day has no
// readable file.
using CaloriesOf = std::function<std::optional<double>(const std::string &key)>;
Series LoadCalorieSeries(std::int64_t firstDay, int dayCount, const CaloriesOf &caloriesOf);

// A scale step and its reciprocal, kept as the single-precision constant the bounds are
// computed with, so that the results fall exactly as the stored scales always have.
struct Step
{
    double size;
    float reciprocal;
};
inline constexpr Step WeightStep {10.0, 0.1f};
inline constexpr Step CalorieStep {500.0, 0.002f};

// Bounds widened outward to whole steps: the top always strictly above the largest value, a
// bottom already on a step stays.
float RoundedTop(float largest, Step step);
float RoundedBottom(float smallest, Step step);

// Ascending by date; samples of equal dates keep their order.
void SortByDate(std::vector<DaySample> &samples);

} // namespace HistoryScan
