// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/NutrientGoals.h"
#include "nutrition/PersonalTargets.h"
#include "platform/FileIo.h"

#include <QString>
#include <filesystem>
#include <string>

// The program's stored settings. This computer's: the page last shown ("Settings"/"Tabs"). The
// diary's, kept in its folder so that they travel with it (DiarySettings): whether the food
// list puts the best matches first (on unless set) and the daily goals (see NutrientGoals).
namespace AppSettings {

// The diary whose settings (goals, the food list's order) are read and written from now on; on
// first use the ones this computer kept move into it, once and without loss.
FileIo::Result useDiary(const std::filesystem::path &diaryFolder);

int readTabs();
void writeTabs(int page);

bool readBestMatchesFirst();
// The writes say whether the settings file took the change.
bool writeBestMatchesFirst(bool on);

NutrientGoals readGoals();
// A nutrient without a goal has no key; the kinds of fat and carbohydrates are always written.
bool writeGoals(const NutrientGoals &goals);
// Whether the day's calorie goal grows by the calories its activities burned; off unless set.
bool readAddBurnedToGoal();
bool writeAddBurnedToGoal(bool on);
// The person the nutrient targets are for, as ReferenceIntakes::ProfileText writes it; empty for
// none.
std::string readProfile();
bool writeProfile(const std::string &text);
// The targets the person set on the Nutrients page; writeTarget writes the one nutrient's line.
PersonalTargets readTargets();
bool writeTarget(const PersonalTargets &targets, int nutrientId);

// Tests keep their settings in an INI file of their own instead of the user's profile.
void useFileForTesting(const QString &iniPath);

} // namespace AppSettings
