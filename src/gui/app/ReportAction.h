// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class DayStore;
class NutrientsPage;
class QWidget;

// The report of the days the chart shows, opened over the window: read from the diary as it is
// now, with the foods' nutrients the Nutrients page uses and the goals of the Settings page.
namespace ReportAction {

void open(QWidget *window, const DayStore &store, const NutrientsPage &nutrients,
          std::int64_t firstDay, int dayCount);

} // namespace ReportAction
