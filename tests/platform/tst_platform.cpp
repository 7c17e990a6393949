#include "platform/AppSettings.h"
#include "platform/Resources.h"
#include "platform/Text8.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void settingsRoundTrip();
    void stringTable();
    void resourcesByTypeAndId();
    void lowerCasesAccentedLetters();
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

    NutrientGoals goals = AppSettings::readGoals();
    QVERIFY(!goals.hasGoal(Nutrient::Calories));
    goals.setGoalText(Nutrient::Calories, "2000");
    goals.setKind(Nutrient::Fat, NutrientGoals::Kind::Target);
    AppSettings::writeGoals(goals);
    raw.sync();
    QCOMPARE(raw.value(QStringLiteral("Goals/Calories")).toString(), QStringLiteral("2000"));
    QCOMPARE(raw.value(QStringLiteral("Goals/FatKind")).toString(), QStringLiteral("target"));
    QVERIFY(!raw.contains(QStringLiteral("Goals/Sodium")));
    raw.setValue(QStringLiteral("Goals/Sodium"), QStringLiteral("2300"));
    raw.sync();
    goals = AppSettings::readGoals();
    QCOMPARE(goals.goalText(Nutrient::Sodium), std::string("2300"));
    QCOMPARE(goals.kind(Nutrient::Fat), NutrientGoals::Kind::Target);
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

void TestPlatform::lowerCasesAccentedLetters()
{
    QCOMPARE(Text8::lower("APPLE Ümlaut ÉCLAIR"), std::string("apple ümlaut éclair"));
    QCOMPARE(Text8::toQString(Text8::fromQString(QStringLiteral("Crème"))),
             QStringLiteral("Crème"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
