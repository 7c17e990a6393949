#pragma once

#include <QString>

// The program's one stored setting: the page last shown ("Settings"/"Tabs").
namespace AppSettings {

int readTabs();
void writeTabs(int page);

// Tests keep their settings in an INI file of their own instead of the user's profile.
void useFileForTesting(const QString &iniPath);

} // namespace AppSettings
