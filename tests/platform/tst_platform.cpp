// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppSettings.h"
#include "platform/FileIo.h"
#include "platform/Resources.h"
#include "platform/Text8.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void settingsRoundTrip();
    void stringTable();
    void resourcesByTypeAndId();
    void accentedLettersSurviveTheRoundTrip();
};

void TestPlatform::settingsRoundTrip()
{
    QTemporaryDir dir;
    AppSettings::useFileForTesting(dir.filePath(QStringLiteral("settings.ini")));
    QCOMPARE(AppSettings::readTabs(), 0); // first run
    AppSettings::writeTabs(2);
    QCOMPARE(AppSettings::readTabs(), 2);
    AppSettings::writeTabs(-7);
    QCOMPARE(AppSettings::readTabs(), -7); // stored as it was given

    QSettings raw(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Settings/Tabs")).toInt(), -7);

    // Goals kept on this computer move into the diary once, and the old keys go.
    raw.setValue(QStringLiteral("Goals/Sodium"), QStringLiteral("2300"));
    raw.sync();
    const std::filesystem::path diary = dir.filePath(QStringLiteral("diary")).toStdString();
    std::filesystem::create_directories(diary);
    QVERIFY(AppSettings::useDiary(diary));
    raw.sync();
    QVERIFY(!raw.contains(QStringLiteral("Goals/Sodium")));
    NutrientGoals goals = AppSettings::readGoals();
    QCOMPARE(goals.goalText(Nutrient::Sodium), std::string("2300"));

    goals.setGoalText(Nutrient::Calories, "2000");
    goals.setKind(Nutrient::Fat, NutrientGoals::Kind::Target);
    QVERIFY(AppSettings::writeGoals(goals));
    const std::string stored = FileIo::readAll(diary / "settings.conf").value_or("");
    QVERIFY(stored.find("Goals/Calories=2000\n") != std::string::npos);
    QVERIFY(stored.find("Goals/FatKind=target\n") != std::string::npos);
    goals = AppSettings::readGoals();
    QCOMPARE(goals.goalText(Nutrient::Calories), std::string("2000"));
    QCOMPARE(goals.kind(Nutrient::Fat), NutrientGoals::Kind::Target);
    // The page shown last stays with this computer.
    QVERIFY(stored.find("Tabs") == std::string::npos);
}

void TestPlatform::stringTable()
{
    QCOMPARE(Resources::string(131), QStringLiteral("Next Month"));
    QCOMPARE(Resources::string(139), QStringLiteral("Delete Selected"));
    QCOMPARE(Resources::string(143), QStringLiteral("Add"));
    QCOMPARE(Resources::string(145), QStringLiteral("Click to download"));
    QVERIFY(Resources::string(142).endsWith(QStringLiteral("/chat/")));
    QVERIFY(Resources::string(130).isEmpty());
    QVERIFY(Resources::string(146).isEmpty());
}

void TestPlatform::resourcesByTypeAndId()
{
    QCOMPARE(Resources::path("LAYOUT", 129), QStringLiteral(":/LAYOUT/129"));
    QVERIFY(!Resources::bytes("LAYOUT", 129).isEmpty());
    QVERIFY(Resources::bytes("LAYOUT", 130).isEmpty());
    QVERIFY(Resources::bytes("NOTYPE", 129).isEmpty());
}

void TestPlatform::accentedLettersSurviveTheRoundTrip()
{
    QCOMPARE(Text8::toQString(Text8::fromQString(QStringLiteral("Crème"))),
             QStringLiteral("Crème"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
