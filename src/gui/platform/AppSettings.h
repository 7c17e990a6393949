#pragma once

#include "goals/NutrientGoals.h"

#include <QString>

// The program's stored settings: the page last shown ("Settings"/"Tabs"), whether the food
// list puts the best matches first ("Settings/BestMatchesFirst", off unless set) and the daily
// goals (keys under "Goals/", see NutrientGoals).
namespace AppSettings {

int readTabs();
void writeTabs(int page);

bool readBestMatchesFirst();
// The writes say whether the settings file took the change.
bool writeBestMatchesFirst(bool on);

NutrientGoals readGoals();
// A nutrient without a goal has no key; the kinds of fat and carbohydrates are always written.
bool writeGoals(const NutrientGoals &goals);

// Tests keep their settings in an INI file of their own instead of the user's profile.
void useFileForTesting(const QString &iniPath);

} // namespace AppSettings
