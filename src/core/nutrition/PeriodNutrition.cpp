// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/PeriodNutrition.h"

#include "calendar/DayStripModel.h"
#include "meals/MealRecord.h"
#include "nutrition/NutrientLookup.h"

#include <algorithm>

PeriodNutrition::PeriodNutrition(const DayFiles::LocalDate &first, int dayCount,
                                 const MealsOf &mealsOf, const NutrientLookup &lookup)
    : m_dayCount(std::max(dayCount, 0))
{
    std::vector<EntryNutrients> given;
    for (int i = 0; i < m_dayCount; ++i) {
        const DayFiles::LocalDate day = DayStripModel::CellDate(first, i);
        if (day.year == 0)
            continue;
        const std::vector<MealEntry> entries = mealsOf(day);
        given.clear();
        for (const MealEntry &entry : entries) {
            given.push_back(lookup.entry(entry, day));
            auto &food = m_byFood[entry.name];
            for (int id = 0; id < NutrientCatalogue::Count; ++id) {
                if (given.back().amounts.known(id))
                    food[std::size_t(id)] += double(given.back().amounts.value(id));
            }
        }
        m_totals.addDay(entries, given);
        if (!entries.empty())
            m_loggedDayTotals.push_back(MealRecord::Totals(entries));
    }
}

std::vector<PeriodNutrition::FoodShare> PeriodNutrition::sources(int id) const
{
    std::vector<FoodShare> shares;
    for (const auto &[name, amounts] : m_byFood) {
        if (amounts[std::size_t(id)] > 0.0)
            shares.push_back({name, amounts[std::size_t(id)]});
    }
    // The map's order is the names': a stable sort keeps it among equal amounts.
    std::stable_sort(shares.begin(), shares.end(),
                     [](const FoodShare &a, const FoodShare &b) { return a.amount > b.amount; });
    return shares;
}

int PeriodNutrition::daysOnGoal(const NutrientGoals &goals, int nutrient,
                                const std::vector<double> *burnedPerLoggedDay) const
{
    if (!goals.hasGoal(nutrient))
        return 0;
    const bool limit = goals.kind(nutrient) == NutrientGoals::Kind::Limit;
    int met = 0;
    for (std::size_t i = 0; i < m_loggedDayTotals.size(); ++i) {
        const bool burned = burnedPerLoggedDay && i < burnedPerLoggedDay->size();
        const NutrientGoals::Progress progress =
            (burned ? goals.withBurned((*burnedPerLoggedDay)[i]) : goals)
                .progress(nutrient, double(m_loggedDayTotals[i][nutrient]));
        met += (limit ? !progress.exceeded : progress.reached) ? 1 : 0;
    }
    return met;
}
