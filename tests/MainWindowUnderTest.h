// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real main window for widget tests: a throw-away data folder and settings file, a fixed
// date, UTC and English month and weekday names, whatever the machine says.
#include "app/CCorvaloDlg.h"
#include "calendar/DayFiles.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"

#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

struct MainWindowUnderTest
{
    static constexpr std::int64_t Now = 1796463000; // Saturday 5 December 2026, 09:30 UTC

    // Once per test case, before any window is made.
    static void setUpEnvironment()
    {
        qputenv("TZ", "UTC");
        tzset();
        std::setlocale(LC_TIME, "C");
        Clock::setNowForTesting(Now);
    }

    // Shows a new window on the given page, its data in a new folder (given to `prepare` first);
    // false when it could not be shown.
    bool open(int page = 1, const std::function<void(const std::filesystem::path &)> &prepare = {})
    {
        dir = std::make_unique<QTemporaryDir>();
        AppSettings::useFileForTesting(dir->filePath(QStringLiteral("settings.ini")));
        AppSettings::writeTabs(page);
        AppFolders::setExecutableFolderForTesting(dir->path().toStdString());
        if (prepare)
            prepare(folder());
        dialog = std::make_unique<CCorvaloDlg>();
        dialog->show();
        return QTest::qWaitForWindowExposed(dialog.get());
    }

    void close()
    {
        dialog.reset();
        dir.reset();
    }

    std::filesystem::path folder() const { return dir->path().toStdString(); }

    // A day's file in the window's data folder, named by the day key's own rule "%m-%d-%Y".
    std::filesystem::path dayFile(const char *subfolder, int day, int month, int year,
                                  const char *extension) const
    {
        return folder() / subfolder /
            QString::asprintf("%02d-%02d-%04d%s", month, day, year, extension).toStdString();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CCorvaloDlg> dialog;
};
