// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CalorieBins.h"

#include "calendar/DayFiles.h"

#include <algorithm>

namespace CalorieBins {

Size sizeFor(int dayCount, int plotWidth)
{
    const double column = dayCount > 0 ? double(plotWidth) / dayCount : double(plotWidth);
    if (column >= MinColumn)
        return Size::Day;
    return column * 7 >= MinColumn ? Size::Week : Size::Month;
}

std::vector<Bin> make(const std::vector<DaySample> &daily, const ChartSpan &span, Size size)
{
    std::vector<Bin> bins;
    const int firstWeekday = ChartDays::weekday(span.firstDay);
    // The month of the last bin, to tell when a sample starts another.
    int month = 0;
    int year = 0;
    for (const DaySample &sample : daily) {
        const int index = span.indexOf(sample.date);
        if (index < 0 || index >= span.dayCount)
            continue;
        int start = index;
        int end = index;
        bool same = false;
        switch (size) {
        case Size::Day:
            same = !bins.empty() && bins.back().firstIndex == index;
            break;
        case Size::Week:
            start = std::max(0, index - (firstWeekday + index) % 7);
            end = std::min(span.dayCount - 1, start + 6 - (firstWeekday + start) % 7);
            same = !bins.empty() && bins.back().firstIndex == start;
            break;
        case Size::Month: {
            const DayFiles::LocalDate date = DayFiles::LocalDateOf(sample.date);
            same = !bins.empty() && date.month == month && date.year == year;
            if (!same) {
                month = date.month;
                year = date.year;
                start = std::max(0, index - (date.day - 1));
                const int length = DayFiles::LocalDateOf(DayFiles::NoonOf(0, month + 1, year)).day;
                end = std::min(span.dayCount - 1, index + (length - date.day));
            }
            break;
        }
        }
        if (!same)
            bins.push_back({span.day(start), start, end - start + 1, 0, index, 0.0});
        bins.back().lastLogged = index;
        ++bins.back().logged;
        bins.back().average += sample.value;
    }
    for (Bin &bin : bins)
        bin.average /= bin.logged;
    return bins;
}

std::vector<double> goalRaises(const std::vector<Bin> &eaten, const std::vector<Bin> &burned)
{
    std::vector<double> raises(eaten.size(), 0.0);
    // Both ascend by their first index, so one pass pairs them.
    std::size_t next = 0;
    for (std::size_t i = 0; i < eaten.size(); ++i) {
        while (next < burned.size() && burned[next].firstIndex < eaten[i].firstIndex)
            ++next;
        if (next < burned.size() && burned[next].firstIndex == eaten[i].firstIndex)
            raises[i] = burned[next].average * burned[next].logged / eaten[i].logged;
    }
    return raises;
}

} // namespace CalorieBins
