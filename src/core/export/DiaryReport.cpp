// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/DiaryReport.h"

#include "store/CompleteDays.h"
#include "store/DayStore.h"

namespace DiaryReport {

std::unique_ptr<PeriodReport> make(const DayStore &store, const DayFiles::LocalDate &first,
                                   int dayCount, const NutrientLookup &lookup, bool completeOnly)
{
    using Day = DayFiles::LocalDate;
    PeriodReport::Sources sources;
    sources.meals = [&store](const Day &day) {
        DayStore::Meals meals = store.LoadMeals(day);
        return PeriodReport::DayMeals {std::move(meals.entries), meals.readable};
    };
    sources.weight = [&store](const Day &day) {
        return store.LoadWeight(day);
    };
    sources.burned = [&store](const Day &day) {
        return store.BurnedOn(day);
    };
    if (completeOnly)
        sources.complete = [&store](const Day &day) {
            return CompleteDays::IsComplete(store, day);
        };
    return std::make_unique<PeriodReport>(first, dayCount, sources, lookup);
}

} // namespace DiaryReport
