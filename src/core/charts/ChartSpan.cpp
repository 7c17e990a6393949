// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartSpan.h"

#include "calendar/DayFiles.h"
#include "charts/ChartGeometry.h"

#include <algorithm>

namespace {

int daysInMonth(int month, int year)
{
    // Day 0 of the next month is the last of this one.
    return DayFiles::LocalDateOf(DayFiles::NoonOf(0, month + 1, year)).day;
}

// The day after the same date `months` earlier, the date clamped to that month's length.
std::int64_t dayAfterMonthsBack(std::int64_t lastDay, int months)
{
    const DayFiles::LocalDate last = DayFiles::LocalDateOf(lastDay);
    int month = last.month - months;
    int year = last.year;
    while (month < 1) {
        month += 12;
        --year;
    }
    const int day = std::min(last.day, daysInMonth(month, year));
    return DayFiles::NoonOf(day + 1, month, year);
}

} // namespace

ChartSpan ChartSpan::between(std::int64_t first, std::int64_t last)
{
    if (ChartGeometry::DaysBetween(first, last) < 0)
        std::swap(first, last);
    return {first, int(ChartGeometry::DaysBetween(first, last)) + 1};
}

ChartSpan ChartSpan::of(Kind kind, ChartSpan strip, std::int64_t lastDay,
                        const std::optional<Extent> &diary)
{
    switch (kind) {
    case Kind::Strip:
        return strip;
    case Kind::ThreeMonths:
        return between(dayAfterMonthsBack(lastDay, 3), lastDay);
    case Kind::Year:
        return between(dayAfterMonthsBack(lastDay, 12), lastDay);
    case Kind::All:
        if (diary && ChartGeometry::DaysBetween(diary->first, lastDay) >= 0) {
            const std::int64_t last =
                ChartGeometry::DaysBetween(lastDay, diary->last) > 0 ? diary->last : lastDay;
            return between(diary->first, last);
        }
        [[fallthrough]];
    case Kind::FourWeeks:
    case Kind::Custom: // made by between(), as it has no rule of its own
        break;
    }
    return between(ChartDays::added(lastDay, -27), lastDay);
}

std::int64_t ChartSpan::lastDay() const
{
    return day(dayCount - 1);
}

std::int64_t ChartSpan::day(int index) const
{
    return ChartDays::added(firstDay, index);
}

int ChartSpan::indexOf(std::int64_t date) const
{
    return int(ChartGeometry::DaysBetween(firstDay, date));
}

std::vector<int> ChartSpan::mondays() const
{
    std::vector<int> indexes;
    for (int index = (7 - ChartDays::weekday(firstDay)) % 7; index < dayCount; index += 7)
        indexes.push_back(index);
    return indexes;
}

std::vector<int> ChartSpan::monthStarts(bool yearsOnly) const
{
    std::vector<int> indexes;
    if (dayCount <= 0)
        return indexes;
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    for (int months = first.day == 1 ? 0 : 1;; ++months) {
        const int month = (first.month - 1 + months) % 12 + 1;
        if (yearsOnly && month != 1)
            continue;
        const int index = indexOf(DayFiles::NoonOf(1, first.month + months, first.year));
        if (index >= dayCount)
            break;
        indexes.push_back(index);
    }
    return indexes;
}

namespace ChartDays {

int weekday(std::int64_t day)
{
    // 5 January 1970 was a Monday.
    const std::int64_t days = ChartGeometry::DaysBetween(DayFiles::NoonOf(5, 1, 1970), day);
    return int(((days % 7) + 7) % 7);
}

std::int64_t monthStart(std::int64_t day)
{
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(day);
    return DayFiles::NoonOf(1, date.month, date.year);
}

std::int64_t added(std::int64_t day, int days)
{
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(day);
    return DayFiles::NoonOf(date.day + days, date.month, date.year);
}

} // namespace ChartDays
