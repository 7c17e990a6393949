// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolders.h"

#include "platform/DataFolders.h"

#include <QCoreApplication>
#include <string_view>

namespace AppFolders {

namespace {
std::filesystem::path s_testFolder;
}

std::filesystem::path executableFolder()
{
    if (!s_testFolder.empty())
        return s_testFolder;
    return QCoreApplication::applicationDirPath().toStdU16String();
}

DataFolders::Environment diaryEnvironment()
{
    if (s_testFolder.empty())
        return DataFolders::SystemEnvironment;
    return [config = (s_testFolder / "config").string()](
               const char *name) -> std::optional<std::string> {
        if (std::string_view(name) == "XDG_CONFIG_HOME")
            return config;
        if (std::string_view(name) == "CORVALO_DATA")
            return std::nullopt;
        return DataFolders::SystemEnvironment(name);
    };
}

std::filesystem::path perUserDataFolder()
{
    // The command line finds the same folder without Qt.
    return DataFolders::PerUser();
}

bool installedCopy()
{
#ifdef CORVALO_INSTALLED
    return true;
#else
    return false;
#endif
}

std::filesystem::path dataHomeFolder()
{
    // A folder set by a test wins, so the suite runs the same in either kind of build.
    if (installedCopy() && s_testFolder.empty())
        return perUserDataFolder();
    return executableFolder();
}

void setExecutableFolderForTesting(const std::filesystem::path &folder)
{
    s_testFolder = folder;
}

} // namespace AppFolders
