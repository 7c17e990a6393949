#include "platform/AppFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>

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

std::filesystem::path perUserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String();
}

void setExecutableFolderForTesting(const std::filesystem::path &folder)
{
    s_testFolder = folder;
}

} // namespace AppFolders
