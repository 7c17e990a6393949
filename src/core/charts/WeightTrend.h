// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/DaySample.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The weight's trend: an exponentially weighted moving average of the stored weights, a value for
// every calendar day from the first weight to the last. The first weight starts it; each later
// weight moves it a tenth of the way from the day before's trend towards that weight. A day
// without a weight keeps the trend of the day before: nothing is guessed for it, so a few days
// without weighing neither pull the trend nor make it jump when weighing resumes.
//
//   WeightTrend trend(weights);             // the weight series, ascending by date
//   trend.Days(firstDay, 29)                // the trend of the strip's days, for the chart
//   trend.RateUpTo(firstDay, 29)->text      // "-0.4", "+0.2" or "" (steady)
class WeightTrend
{
public:
    static constexpr double Smoothing = 0.1;
    static constexpr int RateDays = 28;

    explicit WeightTrend(const std::vector<DaySample> &weights);

    // Whether there is a trend to show: two weights or more.
    bool shown() const { return m_steps.size() >= 2; }

    // The trend of each of the dayCount days from the local date of firstDay that lie between the
    // first weight and the last, and of the day either side of them, so that a line through them
    // runs to the plot's edges. Dated 12:00:01 local time. Nothing unless shown().
    std::vector<DaySample> Days(std::int64_t firstDay, int dayCount) const;

    struct Rate
    {
        double perWeek = 0.0;
        // The change a week rounded to one decimal with its sign, "-0.4" or "+0.2"; empty when
        // it rounds to zero (steady). Very large changes in the exponent form.
        std::string text;
        bool steady() const { return text.empty(); }
    };
    // The change over the RateDays days up to the last trend day of those days (fewer when the
    // trend began later), per week. Nothing when none of the days has a trend or the trend has
    // no days before it.
    std::optional<Rate> RateUpTo(std::int64_t firstDay, int dayCount) const;

    // The trend on a day, counted in calendar days from the first weight's day.
    double ValueOnDay(std::int64_t day) const;

    static std::string RateText(double perWeek);

private:
    struct Step
    {
        std::int64_t day = 0; // calendar days from the first weight's day
        double trend = 0.0; // from this day on, until the next step
    };
    // The last trend day within the days, from the first weight's day; none when before it.
    std::optional<std::int64_t> lastDayWithin(std::int64_t firstDay, int dayCount) const;

    std::int64_t m_firstDate = 0;
    std::vector<Step> m_steps;
};
