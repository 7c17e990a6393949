// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "food/NutrientCatalogue.h"
#include "goals/NutrientGoals.h"
#include "meals/MealEntry.h"
#include "meals/Nutrients.h"
#include "nutrition/NutrientTotals.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

class NutrientLookup;

// Every nutrient over a run of days, read one day at a time: the totals (per logged day through
// NutrientTotals::perDay) and, for each nutrient, the foods that gave it. One day is a run too.
class PeriodNutrition
{
public:
    // A day's entries; none for a day without meals or without a readable file.
    using MealsOf = std::function<std::vector<MealEntry>(const DayFiles::LocalDate &day)>;

    struct FoodShare
    {
        std::string name; // as the entries name the food
        double amount = 0.0; // in the nutrient's unit, over the whole run
    };

    PeriodNutrition(const DayFiles::LocalDate &first, int dayCount, const MealsOf &mealsOf,
                    const NutrientLookup &lookup);

    const NutrientTotals &totals() const { return m_totals; }
    int dayCount() const { return m_dayCount; }
    // The foods that gave some of the nutrient (a known amount above 0), summed by name over the
    // run, largest first; equal amounts by name.
    std::vector<FoodShare> sources(int id) const;
    // The logged days that met the goal of one of the ten (`Nutrient::`): a target reached, a
    // limit not passed, as the panel judges the day's totals. 0 without a goal. With
    // `burnedPerLoggedDay` (one for each logged day, in order) each day's calorie goal is raised
    // by what that day burned (NutrientGoals::withBurned).
    int daysOnGoal(const NutrientGoals &goals, int nutrient,
                   const std::vector<double> *burnedPerLoggedDay = nullptr) const;

private:
    NutrientTotals m_totals;
    int m_dayCount = 0;
    // Per food name: the amount of each nutrient its entries gave, where they knew it.
    std::map<std::string, std::array<double, NutrientCatalogue::Count>> m_byFood;
    std::vector<Nutrients> m_loggedDayTotals; // the ten of each logged day, as the panel adds them
};
