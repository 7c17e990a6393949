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
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Corvalo"), application);
    // A pipe or a device in the file's place would hold the start up in its first read: such
    // settings are not read, and every write reports that it failed.
    const QFileInfo file(settings->fileName());
    if (file.exists() && !file.isFile()) {
        settings = std::make_unique<QSettings>(QString(), QSettings::IniFormat);
        settings->setAtomicSyncRequired(true);
    }
    return settings;
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

bool writeBestMatchesFirst(bool on)
{
    auto settings = open();
    settings->setValue(kBestMatchesFirstKey, on);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

NutrientGoals readGoals()
{
    const auto settings = open();
    NutrientGoals goals;
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        const QString key = QString::fromStdString(NutrientGoals::settingsKey(nutrient));
        goals.setGoalText(nutrient, settings->value(key).toString().toStdString());
        if (NutrientGoals::kindIsChoosable(nutrient)) {
            const QString kindKey = QString::fromStdString(NutrientGoals::kindKey(nutrient));
            goals.setKindText(nutrient, settings->value(kindKey).toString().toStdString());
        }
    }
    return goals;
}

bool writeGoals(const NutrientGoals &goals)
{
    auto settings = open();
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        const QString key = QString::fromStdString(NutrientGoals::settingsKey(nutrient));
        if (goals.hasGoal(nutrient))
            settings->setValue(key, QString::fromStdString(goals.goalText(nutrient)));
        else
            settings->remove(key);
        if (NutrientGoals::kindIsChoosable(nutrient)) {
            const QString kindKey = QString::fromStdString(NutrientGoals::kindKey(nutrient));
            settings->setValue(
                kindKey,
                QString::fromStdString(std::string(NutrientGoals::kindText(goals.kind(nutrient)))));
        }
    }
    settings->sync();
    return settings->status() == QSettings::NoError;
}

void useFileForTesting(const QString &iniPath)
{
    s_testFile = iniPath;
}

} // namespace AppSettings
