#include "app/ReportAction.h"

#include "nutrition/NutrientsPage.h"
#include "nutrition/ReportForm.h"
#include "platform/AppSettings.h"
#include "store/CompleteDays.h"
#include "store/DayStore.h"

namespace ReportAction {

void open(QWidget *window, const DayStore &store, const NutrientsPage &nutrients,
          std::int64_t firstDay, int dayCount)
{
    using Day = DayFiles::LocalDate;
    const NutrientLookup lookup = nutrients.diaryLookup();
    const Day first = DayFiles::LocalDateOf(firstDay);
    const auto make = [&](bool completeOnly) {
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
    };
    ReportForm form(first, dayCount, make, AppSettings::readGoals(),
                    AppSettings::readAddBurnedToGoal(), window);
    form.exec();
}

} // namespace ReportAction
