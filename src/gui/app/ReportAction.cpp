// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReportAction.h"

#include "export/DiaryReport.h"
#include "nutrition/NutrientsPage.h"
#include "nutrition/ReportForm.h"
#include "platform/AppSettings.h"
#include "store/DayStore.h"

namespace ReportAction {

void open(QWidget *window, const DayStore &store, const NutrientsPage &nutrients,
          std::int64_t firstDay, int dayCount)
{
    const NutrientLookup lookup = nutrients.diaryLookup();
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    const auto make = [&](bool completeOnly) {
        return DiaryReport::make(store, first, dayCount, lookup, completeOnly);
    };
    ReportForm form(first, dayCount, make, AppSettings::readGoals(),
                    AppSettings::readAddBurnedToGoal(), window);
    form.exec();
}

} // namespace ReportAction
