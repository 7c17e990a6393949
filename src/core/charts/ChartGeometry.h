// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/CalorieBins.h"
#include "charts/DaySample.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Where the chart's shapes lie on a page of the given size, in pixels from its top-left corner.
// Coordinates name pixel centres, so a line at a whole y covers exactly one row of pixels.
// The plot area leaves fixed margins for the titles above and the lowest labels below.
class ChartGeometry
{
public:
    struct Point
    {
        float x = 0.0f;
        float y = 0.0f;
    };
    struct Rect
    {
        float x = 0.0f;
        float y = 0.0f;
        float width = 0.0f;
        float height = 0.0f;
    };

    static constexpr int GridRows = 10; // spaces between the 11 horizontal lines
    static constexpr int GridColumns = 29; // one per day cell of the strip above

    ChartGeometry(int width, int height, std::int64_t firstDay, int dayCount);

    int plotLeft() const { return m_marginSide; }
    int plotTop() const { return m_marginTop; }
    int plotRight() const { return m_width - m_marginSide; }
    int plotBottom() const { return m_height - m_marginBottom; }
    int plotWidth() const { return m_width - 2 * m_marginSide; }
    int plotHeight() const { return m_height - m_marginTop - m_marginBottom; }

    // The plot area with its bottom line: bars and the line are cut to it.
    Rect clipRect() const;

    // The lower bound on the plot's bottom line, the upper bound on its top line.
    float ValueToY(float value, float top, float bottom) const;

    // The x of a day: its calendar-day distance from the first day of the strip, in columns
    // from the first day's position. Counting calendar days rather than elapsed hours keeps a
    // day under its own cell whatever time of day the strip's first timestamp carries, and
    // across a daylight-saving change.
    float DayX(std::int64_t date) const;

    // The x of the day `index` days after the first, and the width a day takes.
    float IndexX(double index) const;
    float ColumnWidth() const;

    float GridLineY(int row) const; // row 0 (top) to GridRows
    float GridLineX(int column) const; // column 0 (left) to GridColumns

    // Every sample is placed, also those outside the strip's days: the clip cuts them off.
    std::vector<Point> WeightPoints(const std::vector<DaySample> &samples, float top,
                                    float bottom) const;
    // The points of a line that show: those over the plot, the nearest beyond each side so the
    // line still runs off the edge, and of several within `bucket` pixels across only the first,
    // the highest, the lowest and the last. `points` ascend by x. A pen as wide as the bucket
    // shows no more than that, and a long line is stroked in a fraction of the time.
    std::vector<Point> VisibleLine(const std::vector<Point> &points, float bucket) const;

    // Bars 11 pixels wide centred on their day, from the value down to the page's bottom edge.
    std::vector<Rect> CalorieBars(const std::vector<DaySample> &samples, float top,
                                  float bottom) const;

    // A bar for each bin: a day's as CalorieBars makes it while the column is wide enough, else
    // narrower, with a pixel left free on each side; a week's or a month's across its days.
    std::vector<Rect> BinBars(const std::vector<CalorieBins::Bin> &bins, CalorieBins::Size size,
                              float top, float bottom) const;

    // The calorie scale stretched so that a goal outside it lies inside, by whole steps of 500 as
    // the scale is made: above the top, to the first step above the goal; below the bottom, to
    // the step at or below it. No goal (0 or less) leaves the scale as it is.
    struct Scale
    {
        float top = 0.0f;
        float bottom = 0.0f;
    };
    static constexpr double CalorieStep = 500.0;
    static Scale CalorieScaleWithGoal(float top, float bottom, double goal);

    // The label of a horizontal grid line: the upper bound at the top, a tenth of the range
    // less on each line down, as a whole number; in the exponent form ("3e38") when a whole
    // number would run across the plot.
    static constexpr std::size_t MaxLabelChars = 6;
    static std::string ScaleLabel(float top, float bottom, int row);

    // The arrowhead that ends a line drawn with a pen of the given width, pointing from `from`
    // to `to` with its tip beyond `to`. Empty (all points at `to`) when the two points coincide.
    static std::array<Point, 3> Arrowhead(Point from, Point to, float penWidth);

    // Whole days from one local date to another, by the calendar.
    static std::int64_t DaysBetween(std::int64_t fromTimestamp, std::int64_t toTimestamp);

private:
    int m_width = 0;
    int m_height = 0;
    std::int64_t m_firstDay = 0;
    int m_dayCount = 29;
    int m_marginTop = 20;
    int m_marginBottom = 40;
    int m_marginSide = 20;
    // x of the first day's position: the strip's fixed place, else the middle of its column.
    float m_dayOffset = 29.0f;
};
