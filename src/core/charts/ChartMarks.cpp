// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartMarks.h"

#include <algorithm>
#include <cmath>

namespace ChartMarks {

std::vector<Mark> make(const std::vector<CalorieBins::Bin> &calories,
                       const std::vector<CalorieBins::Bin> &weights, const ChartSpan &span)
{
    std::vector<Mark> marks;
    marks.reserve(calories.size() + weights.size());
    auto calorie = calories.begin();
    auto weight = weights.begin();
    while (calorie != calories.end() || weight != weights.end()) {
        const bool takeCalorie = weight == weights.end() ||
            (calorie != calories.end() && calorie->firstIndex <= weight->firstIndex);
        const bool takeWeight = calorie == calories.end() ||
            (weight != weights.end() && weight->firstIndex <= calorie->firstIndex);
        const CalorieBins::Bin &bin = takeCalorie ? *calorie : *weight;
        Mark mark {bin.firstIndex, bin.days, bin.firstDay, 0, std::nullopt, std::nullopt};
        int last = 0;
        if (takeCalorie) {
            mark.calories = *calorie++;
            last = mark.calories->lastLogged;
        }
        if (takeWeight) {
            mark.weight = *weight++;
            last = std::max(last, mark.weight->lastLogged);
        }
        mark.openDay = span.day(last);
        marks.push_back(mark);
    }
    return marks;
}

int at(const std::vector<Mark> &marks, const ChartGeometry &geometry, float x)
{
    const float column = geometry.ColumnWidth();
    int nearest = -1;
    float nearestDistance = 0.0f;
    for (int i = 0; i < int(marks.size()); ++i) {
        const float left = geometry.IndexX(marks[i].firstIndex) - column / 2.0f;
        const float right = left + column * float(marks[i].days);
        if (x >= left && x < right)
            return i;
        const float distance = std::min(std::fabs(x - left), std::fabs(x - right));
        if (distance <= std::max(column / 2.0f, 4.0f) &&
            (nearest < 0 || distance < nearestDistance)) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace ChartMarks
