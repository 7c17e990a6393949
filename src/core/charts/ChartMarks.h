// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/CalorieBins.h"
#include "charts/ChartGeometry.h"

#include <optional>
#include <vector>

// The columns of the chart that the pointer and the arrow keys stand on: one for each bin that
// holds calories or a weight, with what it holds and the day a click opens (its last day with
// either).
namespace ChartMarks {

struct Mark
{
    int firstIndex = 0;
    int days = 1;
    std::int64_t firstDay = 0;
    std::int64_t openDay = 0;
    std::optional<CalorieBins::Bin> calories;
    std::optional<CalorieBins::Bin> weight;
};

// Both lists ascending by firstIndex, made over the same span with the same size.
std::vector<Mark> make(const std::vector<CalorieBins::Bin> &calories,
                       const std::vector<CalorieBins::Bin> &weights, const ChartSpan &span);

// The mark whose column holds x, or the nearest within half a column; -1 for none.
int at(const std::vector<Mark> &marks, const ChartGeometry &geometry, float x);

} // namespace ChartMarks
