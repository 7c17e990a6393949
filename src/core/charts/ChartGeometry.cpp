// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartGeometry.h"

#include "calendar/DayFiles.h"
#include "platform/CompactNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>

ChartGeometry::ChartGeometry(int width, int height, std::int64_t firstDay, int dayCount)
    : m_width(width), m_height(height), m_firstDay(firstDay), m_dayCount(dayCount)
{
    if (dayCount != GridColumns && dayCount > 0)
        m_dayOffset = float(plotLeft() + ColumnWidth() / 2.0);
}

ChartGeometry::Rect ChartGeometry::clipRect() const
{
    return {float(plotLeft()), float(plotTop()), float(plotWidth()), float(plotHeight() + 1)};
}

float ChartGeometry::ValueToY(float value, float top, float bottom) const
{
    const double range = double(top) - double(bottom);
    if (!(range != 0.0))
        return float(plotBottom());
    return float(plotBottom() - plotHeight() * (double(value) - double(bottom)) / range);
}

float ChartGeometry::DayX(std::int64_t date) const
{
    if (m_dayCount <= 0)
        return m_dayOffset;
    return IndexX(double(DaysBetween(m_firstDay, date)));
}

float ChartGeometry::IndexX(double index) const
{
    return float(index * plotWidth() / std::max(1, m_dayCount) + m_dayOffset);
}

float ChartGeometry::ColumnWidth() const
{
    return float(double(plotWidth()) / std::max(1, m_dayCount));
}

float ChartGeometry::GridLineY(int row) const
{
    return float(plotTop() + row * (double(plotHeight()) / GridRows));
}

float ChartGeometry::GridLineX(int column) const
{
    return float(plotLeft() + column * (double(plotWidth()) / GridColumns));
}

std::vector<ChartGeometry::Point> ChartGeometry::WeightPoints(const std::vector<DaySample> &samples,
                                                              float top, float bottom) const
{
    std::vector<Point> points;
    points.reserve(samples.size());
    for (const DaySample &sample : samples)
        points.push_back({DayX(sample.date), ValueToY(sample.value, top, bottom)});
    return points;
}

std::vector<ChartGeometry::Point> ChartGeometry::VisibleLine(const std::vector<Point> &points,
                                                             float bucket) const
{
    const auto over = [this](const Point &point) {
        return point.x >= float(plotLeft()) && point.x <= float(plotRight());
    };
    const auto first = std::find_if(points.begin(), points.end(), over);
    if (first == points.end()) {
        // Nothing over the plot: the line may still cross it between two points.
        const auto after = std::find_if(points.begin(), points.end(), [this](const Point &point) {
            return point.x > float(plotRight());
        });
        if (after == points.begin() || after == points.end())
            return {};
        return {*(after - 1), *after};
    }
    const auto afterLast =
        std::find_if(first, points.end(), [&](const Point &p) { return !over(p); });
    std::vector<Point> line;
    if (first != points.begin())
        line.push_back(*(first - 1));
    // Per bucket: its first point, then its highest and lowest in order, then its last.
    bucket = std::max(1.0f, bucket);
    for (auto at = first; at != afterLast;) {
        auto end = at;
        const float column = std::floor(at->x / bucket);
        auto high = at;
        auto low = at;
        while (end != afterLast && std::floor(end->x / bucket) == column) {
            if (end->y < high->y)
                high = end;
            if (end->y > low->y)
                low = end;
            ++end;
        }
        const auto last = end - 1;
        line.push_back(*at);
        for (auto kept : {std::min(high, low), std::max(high, low), last}) {
            if (kept != at && (line.back().x != kept->x || line.back().y != kept->y))
                line.push_back(*kept);
        }
        at = end;
    }
    if (afterLast != points.end())
        line.push_back(*afterLast);
    return line;
}

std::vector<ChartGeometry::Rect> ChartGeometry::CalorieBars(const std::vector<DaySample> &samples,
                                                            float top, float bottom) const
{
    std::vector<Rect> bars;
    bars.reserve(samples.size());
    for (const DaySample &sample : samples) {
        const float x = DayX(sample.date);
        const float y = ValueToY(sample.value, top, bottom);
        bars.push_back({x - 5.0f, y, 11.0f, float(m_height) - y});
    }
    return bars;
}

std::vector<ChartGeometry::Rect> ChartGeometry::BinBars(const std::vector<CalorieBins::Bin> &bins,
                                                        CalorieBins::Size size, float top,
                                                        float bottom) const
{
    std::vector<Rect> bars;
    bars.reserve(bins.size());
    const float column = ColumnWidth();
    const float dayWidth = std::min(11.0f, std::max(1.0f, std::floor(column) - 2.0f));
    for (const CalorieBins::Bin &bin : bins) {
        const float y = ValueToY(float(bin.average), top, bottom);
        const float height = float(m_height) - y;
        const float middle = IndexX(bin.firstIndex);
        if (size == CalorieBins::Size::Day) {
            // Whole pixels from the middle, as the strip's bars have always stood.
            bars.push_back({middle - std::floor(dayWidth / 2.0f), y, dayWidth, height});
            continue;
        }
        const float left = middle - column / 2.0f + 1.0f;
        bars.push_back({left, y, std::max(1.0f, column * float(bin.days) - 2.0f), height});
    }
    return bars;
}

ChartGeometry::Scale ChartGeometry::CalorieScaleWithGoal(float top, float bottom, double goal)
{
    Scale scale {top, bottom};
    if (!(goal > 0.0) || !std::isfinite(goal))
        return scale;
    // A goal beyond what the scale's floats hold is left off it.
    const double stretched = (std::floor(goal / CalorieStep) + 1.0) * CalorieStep;
    if (stretched > double(std::numeric_limits<float>::max()))
        return scale;
    if (goal >= double(top))
        scale.top = float(stretched);
    if (goal < double(bottom))
        scale.bottom = float(std::floor(goal / CalorieStep) * CalorieStep);
    return scale;
}

std::string ChartGeometry::ScaleLabel(float top, float bottom, int row)
{
    const double value =
        double(bottom) + (double(top) - double(bottom)) * (GridRows - row) * double(0.1f);
    return CompactNumber::fit(value, 0, MaxLabelChars);
}

std::array<ChartGeometry::Point, 3> ChartGeometry::Arrowhead(Point from, Point to, float penWidth)
{
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::hypot(dx, dy);
    if (!(length > 0.0f))
        return {to, to, to};
    // Unit vectors along the line and across it.
    const float ux = dx / length;
    const float uy = dy / length;
    const float half = penWidth;
    const Point base {to.x - ux * penWidth, to.y - uy * penWidth};
    return {Point {to.x + ux * penWidth, to.y + uy * penWidth},
            Point {base.x - uy * half, base.y + ux * half},
            Point {base.x + uy * half, base.y - ux * half}};
}

std::int64_t ChartGeometry::DaysBetween(std::int64_t fromTimestamp, std::int64_t toTimestamp)
{
    const DayFiles::LocalDate from = DayFiles::LocalDateOf(fromTimestamp);
    const DayFiles::LocalDate to = DayFiles::LocalDateOf(toTimestamp);
    return DayFiles::DayNumber(to.year, to.month, to.day) -
        DayFiles::DayNumber(from.year, from.month, from.day);
}
