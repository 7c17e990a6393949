// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/PeriodReport.h"

#include "calendar/DayStripModel.h"

#include <cmath>

PeriodReport::PeriodReport(const Day &first, int dayCount, const Sources &sources,
                           const NutrientLookup &lookup)
    : m_completeOnly(bool(sources.complete)),
      m_nutrition(
          first, dayCount,
          [&](const Day &day) {
              DayMeals meals = sources.meals(day);
              if (!meals.readable)
                  m_unreadable.push_back(day);
              m_logged += meals.entries.empty() ? 0 : 1;
              if (sources.complete && !meals.entries.empty() && !sources.complete(day))
                  meals.entries.clear();
              // Each day once, logged or not.
              const double burned = sources.burned ? sources.burned(day) : 0.0;
              if (burned > 0.0) {
                  m_burnedTotal += burned;
                  ++m_activeDays;
              }
              if (!meals.entries.empty())
                  m_burnedPerCounted.push_back(burned);
              return std::move(meals.entries);
          },
          lookup)
{
    if (!sources.weight)
        return;
    for (int i = 0; i < dayCount; ++i) {
        const Day day = DayStripModel::CellDate(first, i);
        if (day.year == 0)
            continue;
        if (const std::optional<float> weight = sources.weight(day)) {
            if (!m_firstWeight)
                m_firstWeight = Weighed {day, *weight};
            m_lastWeight = Weighed {day, *weight};
        }
    }
}

std::optional<double> PeriodReport::weightChange() const
{
    if (!m_firstWeight)
        return std::nullopt;
    return std::round((double(m_lastWeight->weight) - m_firstWeight->weight) * 10.0) / 10.0 + 0.0;
}

int PeriodReport::daysOnGoal(const NutrientGoals &goals, int nutrient, bool addBurned) const
{
    return m_nutrition.daysOnGoal(goals, nutrient, addBurned ? &m_burnedPerCounted : nullptr);
}

std::vector<PeriodNutrition::FoodShare> PeriodReport::topFoods(int id) const
{
    std::vector<PeriodNutrition::FoodShare> foods = m_nutrition.sources(id);
    if (foods.size() > TopFoods)
        foods.resize(TopFoods);
    return foods;
}
