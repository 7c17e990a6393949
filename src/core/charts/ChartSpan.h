// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The runs of days the chart can show: the strip's own 29, or a calendar range that ends on a
// given day (today, as a rule). Days are timestamps of 12:00:01 local time (DaySample).
//   ChartSpan span = ChartSpan::of(ChartSpan::Kind::Year, strip, today, diaryDays);
struct ChartSpan
{
    enum class Kind { Strip, FourWeeks, ThreeMonths, Year, All, Custom };
    static constexpr Kind Kinds[] = {Kind::Strip, Kind::FourWeeks, Kind::ThreeMonths,
                                     Kind::Year,  Kind::All,       Kind::Custom};

    std::int64_t firstDay = 0;
    int dayCount = 0;

    // The first and last day the diary holds data for, when it holds any.
    struct Extent
    {
        std::int64_t first = 0;
        std::int64_t last = 0;
    };

    // Strip: the strip's days as given. The others end on lastDay and reach back by the calendar:
    // 28 days; to the day after the same date three months or a year before (a date the shorter
    // month lacks counts as its last day); All from the diary's first day to its last or lastDay,
    // whichever is later (the last 28 days for an empty diary).
    static ChartSpan of(Kind kind, ChartSpan strip, std::int64_t lastDay,
                        const std::optional<Extent> &diary);
    // The days from `first` to `last`, both included, in either order.
    static ChartSpan between(std::int64_t first, std::int64_t last);

    std::int64_t lastDay() const;
    // The day `index` days after the first, at 12:00:01 local time.
    std::int64_t day(int index) const;
    // Days from the first to `date` by the calendar (negative before it).
    int indexOf(std::int64_t date) const;

    // Where the grid marks the calendar: the indexes of the span's Mondays, or of the first days
    // of its months (of its years only, with yearsOnly).
    std::vector<int> mondays() const;
    std::vector<int> monthStarts(bool yearsOnly) const;
};

// Calendar arithmetic on the chart's day timestamps, local time.
namespace ChartDays {
// 0 for Monday to 6 for Sunday.
int weekday(std::int64_t day);
// The first day of the day's month.
std::int64_t monthStart(std::int64_t day);
// `days` calendar days later (earlier when negative), at 12:00:01.
std::int64_t added(std::int64_t day, int days);
} // namespace ChartDays
