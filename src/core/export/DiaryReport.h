// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nutrition/PeriodReport.h"

#include <memory>

class DayStore;

// The report of a range read from the diary's files: each day's meals, weight, activities and
// complete mark as the store holds them now. The window's report and corvalo-cli report.
namespace DiaryReport {

std::unique_ptr<PeriodReport> make(const DayStore &store, const DayFiles::LocalDate &first,
                                   int dayCount, const NutrientLookup &lookup, bool completeOnly);

} // namespace DiaryReport
