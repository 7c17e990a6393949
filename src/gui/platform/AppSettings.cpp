#include "platform/AppSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace AppSettings {

namespace {

QString s_testFile;

std::unique_ptr<QSettings> open()
{
    if (!s_testFile.isEmpty())
        return std::make_unique<QSettings>(s_testFile, QSettings::IniFormat);
    // Organisation "Corvalo", application = the executable's file name, as the registry
    // profile of the Windows build has it.
    const QString application = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Corvalo"), application);
}

const QString kTabsKey = QStringLiteral("Settings/Tabs");
const QString kBestMatchesFirstKey = QStringLiteral("Settings/BestMatchesFirst");

} // namespace

int readTabs()
{
    return open()->value(kTabsKey, 0).toInt();
}

void writeTabs(int page)
{
    auto settings = open();
    settings->setValue(kTabsKey, page);
    settings->sync();
}

bool readBestMatchesFirst()
{
    return open()->value(kBestMatchesFirstKey, false).toBool();
}

void writeBestMatchesFirst(bool on)
{
    auto settings = open();
    settings->setValue(kBestMatchesFirstKey, on);
    settings->sync();
}

void useFileForTesting(const QString &iniPath)
{
    s_testFile = iniPath;
}

} // namespace AppSettings
