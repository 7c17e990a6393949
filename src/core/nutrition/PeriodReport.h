// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "nutrition/PeriodNutrition.h"

#include <functional>
#include <optional>
#include <vector>

// The report of a range of days, as the window and the command line show it: every nutrient
// per counted day with the foods that gave it (PeriodNutrition), how many days were logged, and
// the weight at the range's start and end. With `complete` given, only the logged days it calls
// complete are counted; the days logged are told all the same.
//   PeriodReport report(first, 28, {mealsOf, weightOf, nullptr}, lookup);
//   report.loggedDays();  report.nutrition().totals().perDay(NutrientId::Energy);
class PeriodReport
{
public:
    using Day = DayFiles::LocalDate;

    struct DayMeals
    {
        std::vector<MealEntry> entries;
        bool readable = true; // false: what could be read of a damaged file
    };
    struct Sources
    {
        std::function<DayMeals(const Day &)> meals;
        std::function<std::optional<float>(const Day &)> weight;
        std::function<bool(const Day &)> complete; // empty: every logged day counts
        std::function<double(const Day &)> burned; // by activities; empty: none
    };
    struct Weighed
    {
        Day day;
        float weight = 0.0f;
    };

    static constexpr std::size_t TopFoods = 10;

    PeriodReport(const Day &first, int dayCount, const Sources &sources,
                 const NutrientLookup &lookup);

    const PeriodNutrition &nutrition() const { return m_nutrition; }
    int dayCount() const { return m_nutrition.dayCount(); }
    int loggedDays() const { return m_logged; }
    int countedDays() const { return m_nutrition.totals().loggedDays(); }
    bool completeOnly() const { return m_completeOnly; }
    const std::vector<Day> &unreadableDays() const { return m_unreadable; }

    const std::optional<Weighed> &firstWeight() const { return m_firstWeight; }
    const std::optional<Weighed> &lastWeight() const { return m_lastWeight; }
    // The last weight less the first, to a tenth as shown (never -0.0); none without a weight.
    std::optional<double> weightChange() const;

    // Calories burned by activities over the range, and on how many days.
    double burnedTotal() const { return m_burnedTotal; }
    int activeDays() const { return m_activeDays; }
    // The counted days that met a goal; with addBurned, each day's calorie goal raised by what
    // it burned, as the Food page shows it with that setting.
    int daysOnGoal(const NutrientGoals &goals, int nutrient, bool addBurned) const;

    // The foods that gave the most of a nutrient over the range, at most TopFoods.
    std::vector<PeriodNutrition::FoodShare> topFoods(int id) const;

private:
    int m_logged = 0;
    bool m_completeOnly = false;
    std::vector<Day> m_unreadable;
    std::vector<double> m_burnedPerCounted; // one for each counted day, in order
    double m_burnedTotal = 0.0;
    int m_activeDays = 0;
    std::optional<Weighed> m_firstWeight;
    std::optional<Weighed> m_lastWeight;
    PeriodNutrition m_nutrition;
};
