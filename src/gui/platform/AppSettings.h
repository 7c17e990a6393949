#pragma once

#include <QString>

// The program's stored settings: the page last shown ("Settings"/"Tabs"), and whether the food
// list puts the best matches first ("Settings/BestMatchesFirst", off unless set).
namespace AppSettings {

int readTabs();
void writeTabs(int page);

bool readBestMatchesFirst();
void writeBestMatchesFirst(bool on);

// Tests keep their settings in an INI file of their own instead of the user's profile.
void useFileForTesting(const QString &iniPath);

} // namespace AppSettings
