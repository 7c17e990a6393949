// SPDX-License-Identifier: GPL-3.0-or-later
// The diary's days as the chart and the report read them: series of weights, calories and
// calories burned, and the days the diary spans.
#include "store/ActivityDay.h"
#include "store/DayStore.h"

#include <algorithm>
#include <map>

HistoryScan::Series DayStore::WeightSeries() const
{
    if (!m_index.weightSeries) {
        std::map<std::int64_t, float> weights;
        for (const std::string &name : listed(m_index.data, m_dataDirectory).names) {
            if (const std::optional<std::int64_t> date = weightDate(name)) {
                const std::optional<float> weight = storedWeight(name);
                if (usableWeight(weight))
                    weights.emplace(*date, *weight);
            }
        }
        m_index.weightSeries = std::move(weights);
    }
    if (!m_index.weightSeriesMade) {
        std::vector<DaySample> samples;
        samples.reserve(m_index.weightSeries->size());
        for (const auto &[date, weight] : *m_index.weightSeries)
            samples.push_back({date, weight});
        m_index.weightSeriesMade = HistoryScan::WeightSeriesOf(std::move(samples));
    }
    return *m_index.weightSeriesMade;
}

HistoryScan::Series DayStore::CalorieSeries(std::int64_t firstDay, int dayCount) const
{
    return HistoryScan::LoadCalorieSeries(
        firstDay, dayCount, [this](const std::string &key) { return storedCalories(key + ".db"); });
}

std::vector<DaySample> DayStore::BurnedSeries(std::int64_t firstDay, int dayCount) const
{
    const ChartSpan span {firstDay, dayCount};
    std::vector<DaySample> burned;
    for (const std::string &name : listed(m_index.data, m_dataDirectory).names) {
        const std::optional<std::int64_t> date =
            HistoryScan::DateOfFileName(name, ActivityDay::Extension.substr(1));
        if (!date || span.indexOf(*date) < 0 || span.indexOf(*date) >= dayCount)
            continue;
        ActivityDay day;
        (void)ActivityDay::Load(m_dataDirectory / name, day);
        if (day.burned() > 0.0)
            burned.push_back({*date, float(day.burned())});
    }
    HistoryScan::SortByDate(burned);
    return burned;
}

double DayStore::BurnedOn(const Day &day) const
{
    // Most days have no activities: the folder's listing says so without asking the disk.
    const std::string name = Key(day) + std::string(ActivityDay::Extension);
    if (!listed(m_index.data, m_dataDirectory).names.contains(name))
        return 0.0;
    ActivityDay activities;
    (void)ActivityDay::Load(DataFilePath(day, ActivityDay::Extension), activities);
    return activities.burned();
}

std::optional<ChartSpan::Extent> DayStore::DataExtent() const
{
    std::optional<ChartSpan::Extent> extent;
    for (const std::string &name : listed(m_index.data, m_dataDirectory).names) {
        std::optional<std::int64_t> date = weightDate(name);
        if (!date)
            date = HistoryScan::DateOfFileName(name, "db");
        if (!date)
            continue;
        if (!extent)
            extent = ChartSpan::Extent {*date, *date};
        extent->first = std::min(extent->first, *date);
        extent->last = std::max(extent->last, *date);
    }
    return extent;
}
