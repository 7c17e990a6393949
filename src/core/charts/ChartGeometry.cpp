#include "charts/ChartGeometry.h"

#include "calendar/DayFiles.h"
#include "platform/CompactNumber.h"

#include <cmath>
#include <limits>

namespace {

// Days since 1 January 1970 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

ChartGeometry::ChartGeometry(int width, int height, std::int64_t firstDay, int dayCount)
    : m_width(width), m_height(height), m_firstDay(firstDay), m_dayCount(dayCount)
{
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
    const std::int64_t days = DaysBetween(m_firstDay, date);
    return float(double(days) * plotWidth() / m_dayCount + m_dayOffset);
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
    return daysFromCivil(to.year, to.month, to.day) -
        daysFromCivil(from.year, from.month, from.day);
}
