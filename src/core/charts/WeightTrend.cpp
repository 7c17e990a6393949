// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/WeightTrend.h"

#include "calendar/DayFiles.h"
#include "charts/ChartGeometry.h"
#include "platform/CompactNumber.h"

#include <algorithm>
#include <cmath>

namespace {

// The trend's rate needs room for "-1234.5"; anything longer goes to the exponent form.
constexpr std::size_t RateChars = 8;

} // namespace

WeightTrend::WeightTrend(const std::vector<DaySample> &weights)
{
    if (weights.empty())
        return;
    m_firstDate = weights.front().date;
    double trend = weights.front().value;
    for (const DaySample &weight : weights) {
        const std::int64_t day = ChartGeometry::DaysBetween(m_firstDate, weight.date);
        if (!m_steps.empty())
            trend += Smoothing * (double(weight.value) - trend);
        // Two weights of one day (never from the store) leave one step, the later.
        if (!m_steps.empty() && m_steps.back().day == day)
            m_steps.back().trend = trend;
        else
            m_steps.push_back({day, trend});
    }
}

double WeightTrend::ValueOnDay(std::int64_t day) const
{
    if (m_steps.empty())
        return 0.0;
    // The last step on or before the day.
    auto after = std::upper_bound(m_steps.begin(), m_steps.end(), day,
                                  [](std::int64_t d, const Step &step) { return d < step.day; });
    if (after == m_steps.begin())
        return m_steps.front().trend;
    return std::prev(after)->trend;
}

std::vector<DaySample> WeightTrend::Days(std::int64_t firstDay, int dayCount) const
{
    std::vector<DaySample> days;
    if (!shown() || dayCount <= 0)
        return days;
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    const std::int64_t last = m_steps.back().day;
    for (int i = -1; i <= dayCount; ++i) {
        const std::int64_t date = DayFiles::NoonOf(first.day + i, first.month, first.year);
        const std::int64_t day = ChartGeometry::DaysBetween(m_firstDate, date);
        if (day >= 0 && day <= last)
            days.push_back({date, float(ValueOnDay(day))});
    }
    // Only the days either side: the trend has none of the days themselves.
    if (!days.empty() && ChartGeometry::DaysBetween(firstDay, days.back().date) < 0)
        days.clear();
    if (!days.empty() && ChartGeometry::DaysBetween(firstDay, days.front().date) >= dayCount)
        days.clear();
    return days;
}

std::optional<std::int64_t> WeightTrend::lastDayWithin(std::int64_t firstDay, int dayCount) const
{
    if (!shown() || dayCount <= 0)
        return std::nullopt;
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    const std::int64_t end = ChartGeometry::DaysBetween(
        m_firstDate, DayFiles::NoonOf(first.day + dayCount - 1, first.month, first.year));
    const std::int64_t start = ChartGeometry::DaysBetween(m_firstDate, firstDay);
    const std::int64_t last = std::min(end, m_steps.back().day);
    if (last < 0 || last < start)
        return std::nullopt;
    return last;
}

std::optional<WeightTrend::Rate> WeightTrend::RateUpTo(std::int64_t firstDay, int dayCount) const
{
    const std::optional<std::int64_t> last = lastDayWithin(firstDay, dayCount);
    if (!last || *last == 0)
        return std::nullopt;
    const std::int64_t from = std::max<std::int64_t>(0, *last - RateDays);
    Rate rate;
    rate.perWeek = (ValueOnDay(*last) - ValueOnDay(from)) * 7.0 / double(*last - from);
    rate.text = RateText(rate.perWeek);
    return rate;
}

std::string WeightTrend::RateText(double perWeek)
{
    if (!std::isfinite(perWeek))
        return {};
    const double rounded = std::round(perWeek * 10.0) / 10.0;
    if (rounded == 0.0)
        return {};
    const std::string number = CompactNumber::fit(std::abs(rounded), 1, RateChars - 1);
    return (rounded < 0 ? "-" : "+") + number;
}
