// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real main window's surroundings for a benchmark: a throw-away data folder and settings
// file, opened on the given page, removed when the benchmark ends.
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"

#include <QTemporaryDir>
#include <filesystem>

class BenchFolder
{
public:
    explicit BenchFolder(int page)
    {
        AppSettings::useFileForTesting(m_dir.filePath(QStringLiteral("settings.ini")));
        AppSettings::writeTabs(page);
        AppFolders::setExecutableFolderForTesting(path());
    }

    std::filesystem::path path() const { return m_dir.path().toStdString(); }

private:
    QTemporaryDir m_dir;
};
