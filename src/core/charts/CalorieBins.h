// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartSpan.h"
#include "charts/DaySample.h"

#include <cstdint>
#include <vector>

// The chart's calorie bars over a span: one a day while a day's column is wide enough to read,
// else one a week (Monday to Sunday) or a calendar month, each the average per logged day of
// the days it holds (a day not logged pulls no average down). Bins at the span's ends hold only
// the span's days.
//   CalorieBins::Size size = CalorieBins::sizeFor(span.dayCount, geometry.plotWidth());
//   for (const CalorieBins::Bin &bin : CalorieBins::make(daily, span, size)) ...
namespace CalorieBins {

enum class Size { Day, Week, Month };

// The narrowest column, in pixels, that a bar is drawn in.
inline constexpr double MinColumn = 6.0;
Size sizeFor(int dayCount, int plotWidth);

struct Bin
{
    std::int64_t firstDay = 0; // 12:00:01 local time
    int firstIndex = 0; // days from the span's first
    int days = 0; // of the span's days in the bin
    int logged = 0; // days with a value
    int lastLogged = 0; // days from the span's first to the bin's last day with a value
    double average = 0.0; // per logged day
};

// `daily`: the calorie totals above zero, ascending by date (DayStore::CalorieSeries), or the
// weights; days outside the span are left out. Only bins with a logged day are made.
std::vector<Bin> make(const std::vector<DaySample> &daily, const ChartSpan &span, Size size);

// How far each of `eaten`'s bins raises the calorie goal when the calories burned count against
// it: the calories burned in the bin per day logged in it, 0 where nothing was burned. Both sets
// of bins are made over the same span and size.
std::vector<double> goalRaises(const std::vector<Bin> &eaten, const std::vector<Bin> &burned);

} // namespace CalorieBins
