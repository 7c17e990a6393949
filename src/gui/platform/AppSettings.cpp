// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppSettings.h"

#include "store/DiarySettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
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
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A pipe or a device in a settings file's place would hold the start up in QSettings' first
    // open: such settings are not read, and every write reports that it failed.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QStringList files {config + QStringLiteral("/Corvalo/") + application +
                                 QStringLiteral(".conf"),
                             config + QStringLiteral("/Corvalo.conf")};
    for (const QString &file : files) {
        const QFileInfo info(file);
        if (info.exists() && !info.isFile())
            return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    }
#endif
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Corvalo"), application);
    return settings;
}

const QString kTabsKey = QStringLiteral("Settings/Tabs");
const QString kBestMatchesFirstKey = QStringLiteral("Settings/BestMatchesFirst");
const QString kProfileKey = QStringLiteral("Settings/Profile");

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

namespace {

std::filesystem::path s_diary;

// This computer's goals and choice of order, as they were kept before they moved to the diary.
NutrientGoals oldGoals(QSettings &settings)
{
    NutrientGoals goals;
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        const QString key = QString::fromStdString(NutrientGoals::settingsKey(nutrient));
        goals.setGoalText(nutrient, settings.value(key).toString().toStdString());
        if (NutrientGoals::kindIsChoosable(nutrient)) {
            const QString kindKey = QString::fromStdString(NutrientGoals::kindKey(nutrient));
            goals.setKindText(nutrient, settings.value(kindKey).toString().toStdString());
        }
    }
    return goals;
}

DiarySettings diarySettings()
{
    DiarySettings settings;
    if (!s_diary.empty())
        (void)settings.load(DiarySettings::FileIn(s_diary));
    return settings;
}

} // namespace

FileIo::Result useDiary(const std::filesystem::path &diaryFolder)
{
    s_diary = diaryFolder;
    // Goals and the order kept on this computer move into the diary once; the old keys go only
    // when the diary holds the very same.
    auto settings = open();
    const QStringList keys = settings->allKeys();
    const bool hadGoals = std::any_of(keys.cbegin(), keys.cend(), [](const QString &key) {
        return key.startsWith(QStringLiteral("Goals/"));
    });
    const QVariant best = settings->value(kBestMatchesFirstKey);
    if (!hadGoals && !best.isValid())
        return FileIo::Result::success(DiarySettings::FileIn(diaryFolder));
    const DiarySettings::MoveIn moved =
        DiarySettings::MoveInOnce(diaryFolder, hadGoals ? oldGoals(*settings) : NutrientGoals(),
                                  best.isValid() ? std::optional(best.toBool()) : std::nullopt);
    if (moved.mayRemoveOld) {
        settings->remove(QStringLiteral("Goals"));
        settings->remove(kBestMatchesFirstKey);
        settings->sync();
    }
    return moved.saved;
}

// Before a diary is open (a first start, a test preparing one) the settings go where they always
// went; the diary takes them over when it opens.
bool readBestMatchesFirst()
{
    if (s_diary.empty())
        return open()->value(kBestMatchesFirstKey, true).toBool();
    return diarySettings().bestMatchesFirst();
}

bool writeBestMatchesFirst(bool on)
{
    if (s_diary.empty()) {
        auto settings = open();
        settings->setValue(kBestMatchesFirstKey, on);
        settings->sync();
        return settings->status() == QSettings::NoError;
    }
    return DiarySettings::Update(
               s_diary, [on](DiarySettings &settings) { settings.setBestMatchesFirst(on); })
        .ok();
}

NutrientGoals readGoals()
{
    if (s_diary.empty())
        return oldGoals(*open());
    return diarySettings().goals();
}

bool writeGoals(const NutrientGoals &goals)
{
    if (s_diary.empty()) {
        auto settings = open();
        for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
            const QString key = QString::fromStdString(NutrientGoals::settingsKey(nutrient));
            if (goals.hasGoal(nutrient))
                settings->setValue(key, QString::fromStdString(goals.goalText(nutrient)));
            else
                settings->remove(key);
            if (NutrientGoals::kindIsChoosable(nutrient))
                settings->setValue(QString::fromStdString(NutrientGoals::kindKey(nutrient)),
                                   QString::fromStdString(
                                       std::string(NutrientGoals::kindText(goals.kind(nutrient)))));
        }
        settings->sync();
        return settings->status() == QSettings::NoError;
    }
    return DiarySettings::Update(s_diary,
                                 [&goals](DiarySettings &settings) { settings.setGoals(goals); })
        .ok();
}

namespace {

// One line of the diary's settings, or of this computer's before a diary is open.
std::optional<std::string> readValue(const std::string &key)
{
    if (s_diary.empty()) {
        const QVariant value = open()->value(QString::fromStdString(key));
        return value.isValid() ? std::optional(value.toString().toStdString()) : std::nullopt;
    }
    return diarySettings().value(key);
}

// nullopt removes the line.
bool writeValue(const std::string &key, const std::optional<std::string> &value)
{
    if (s_diary.empty()) {
        auto settings = open();
        if (value)
            settings->setValue(QString::fromStdString(key), QString::fromStdString(*value));
        else
            settings->remove(QString::fromStdString(key));
        settings->sync();
        return settings->status() == QSettings::NoError;
    }
    return DiarySettings::Update(s_diary,
                                 [&](DiarySettings &settings) {
                                     if (value)
                                         settings.setValue(key, *value);
                                     else
                                         settings.remove(key);
                                 })
        .ok();
}

} // namespace

bool readAddBurnedToGoal()
{
    if (s_diary.empty())
        return readValue(std::string(DiarySettings::AddBurnedKey)) == "true";
    return diarySettings().addBurnedToGoal();
}

bool writeAddBurnedToGoal(bool on)
{
    return writeValue(std::string(DiarySettings::AddBurnedKey), std::string(on ? "true" : "false"));
}

std::string readProfile()
{
    return readValue(s_diary.empty() ? kProfileKey.toStdString() : "profile").value_or("");
}

bool writeProfile(const std::string &text)
{
    return writeValue(s_diary.empty() ? kProfileKey.toStdString() : "profile",
                      text.empty() ? std::nullopt : std::optional(text));
}

PersonalTargets readTargets()
{
    if (s_diary.empty())
        return PersonalTargets::FromSettings(readValue);
    // One read of the file for all of them.
    const DiarySettings settings = diarySettings();
    return PersonalTargets::FromSettings(
        [&settings](const std::string &key) { return settings.value(key); });
}

bool writeTarget(const PersonalTargets &targets, int nutrientId)
{
    return writeValue(PersonalTargets::settingsKey(nutrientId), targets.valueText(nutrientId));
}

void useFileForTesting(const QString &iniPath)
{
    s_testFile = iniPath;
    s_diary.clear();
}

} // namespace AppSettings
