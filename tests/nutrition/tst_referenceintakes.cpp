// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/PersonalTargets.h"
#include "nutrition/ReferenceIntakes.h"

#include <QtTest>

// Values read off the published summary tables, by life-stage group, in the catalogue's units;
// the limits set for supplements or for one form only are not held against food.
class TestReferenceIntakes : public QObject
{
    Q_OBJECT

private slots:
    void targetsByGroup_data();
    void targetsByGroup();
    void limits();
    void storedProfile();
    void ownTargets();
};

using namespace ReferenceIntakes;

namespace {

Profile person(Sex sex, int age, bool pregnant = false, bool breastfeeding = false)
{
    return {sex, age, pregnant, breastfeeding};
}

} // namespace

void TestReferenceIntakes::targetsByGroup_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("pregnant");
    QTest::addColumn<bool>("breastfeeding");
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("kind");
    const int female = int(Sex::Female), male = int(Sex::Male);
    const int rda = int(TargetKind::Rda), ai = int(TargetKind::Ai);
    QTest::newRow("vitamin C, woman 25")
        << female << 25 << false << false << int(NutrientId::VitaminC) << 75.0 << rda;
    QTest::newRow("vitamin C, man 25")
        << male << 25 << false << false << int(NutrientId::VitaminC) << 90.0 << rda;
    QTest::newRow("vitamin C, breastfeeding 30")
        << female << 30 << false << true << int(NutrientId::VitaminC) << 120.0 << rda;
    QTest::newRow("iron, woman 50")
        << female << 50 << false << false << int(NutrientId::Iron) << 18.0 << rda;
    QTest::newRow("iron, woman 51")
        << female << 51 << false << false << int(NutrientId::Iron) << 8.0 << rda;
    QTest::newRow("iron, man 40") << male << 40 << false << false << int(NutrientId::Iron) << 8.0
                                  << rda;
    QTest::newRow("iron, pregnant 17")
        << female << 17 << true << false << int(NutrientId::Iron) << 27.0 << rda;
    QTest::newRow("calcium, woman 60")
        << female << 60 << false << false << int(NutrientId::Calcium) << 1200.0 << rda;
    QTest::newRow("calcium, man 60")
        << male << 60 << false << false << int(NutrientId::Calcium) << 1000.0 << rda;
    QTest::newRow("vitamin D, man 71")
        << male << 71 << false << false << int(NutrientId::VitaminD) << 20.0 << rda;
    QTest::newRow("fibre, man 30")
        << male << 30 << false << false << int(NutrientId::Fiber) << 38.0 << ai;
    QTest::newRow("vitamin A in RAE, man 40")
        << male << 40 << false << false << int(NutrientId::VitaminA) << 900.0 << rda;
    QTest::newRow("fluoride 4 mg in micrograms, man 40")
        << male << 40 << false << false << int(NutrientId::Fluoride) << 4000.0 << ai;
    QTest::newRow("copper 340 micrograms in mg, child 2")
        << female << 2 << false << false << int(NutrientId::Copper) << 0.34 << rda;
    QTest::newRow("magnesium, man 31")
        << male << 31 << false << false << int(NutrientId::Magnesium) << 420.0 << rda;
}

void TestReferenceIntakes::targetsByGroup()
{
    QFETCH(int, sex);
    QFETCH(int, age);
    QFETCH(bool, pregnant);
    QFETCH(bool, breastfeeding);
    QFETCH(int, id);
    QFETCH(double, target);
    QFETCH(int, kind);
    const Intake intake = of(person(Sex(sex), age, pregnant, breastfeeding), id);
    QVERIFY(intake.target);
    QCOMPARE(*intake.target, target);
    QCOMPARE(int(intake.targetKind), kind);
}

void TestReferenceIntakes::limits()
{
    const Profile woman = person(Sex::Female, 30);
    const Intake vitaminD = of(woman, NutrientId::VitaminD);
    QCOMPARE(vitaminD.limit.value_or(0), 100.0);
    QVERIFY(vitaminD.limitAppliesToFood);

    for (const int id :
         {int(NutrientId::Magnesium), int(NutrientId::Niacin), int(NutrientId::Folate),
          int(NutrientId::VitaminE), int(NutrientId::VitaminA)}) {
        const Intake intake = of(woman, id);
        QVERIFY2(intake.limit && !intake.limitAppliesToFood && !intake.limitNote.empty(),
                 NutrientCatalogue::info(id).key.data());
    }
    QCOMPARE(of(woman, NutrientId::Magnesium).limit.value_or(0), 350.0);
    // Preformed vitamin A from food (liver) counts against its limit.
    const Intake retinol = of(woman, NutrientId::Retinol);
    QCOMPARE(retinol.limit.value_or(0), 3000.0);
    QVERIFY(retinol.limitAppliesToFood && !retinol.target);

    const Intake sodium = of(woman, NutrientId::Sodium);
    QCOMPARE(sodium.target.value_or(0), 1500.0);
    QCOMPARE(sodium.limit.value_or(0), 2300.0);
    QCOMPARE(sodium.limitKind, LimitKind::RiskReduction);

    // No reference for energy, fat or sugars, nor for infants (not kept).
    for (const int id : {int(NutrientId::Energy), int(NutrientId::Fat), int(NutrientId::Sugars),
                         int(NutrientId::Caffeine)}) {
        const Intake intake = of(woman, id);
        QVERIFY(!intake.target && !intake.limit && intake.targetKind == TargetKind::None);
    }
    QVERIFY(!of(person(Sex::Male, 0), NutrientId::VitaminC).target);
}

// As the diary's settings file keeps it: read back exactly, and nothing half-understood.
void TestReferenceIntakes::storedProfile()
{
    for (const char *text :
         {"female 30", "male 52", "female 31 pregnant", "female 29 breastfeeding", "male 1"}) {
        const std::optional<Profile> profile = ParseProfile(text);
        QVERIFY2(profile, text);
        QCOMPARE(ProfileText(*profile), std::string(text));
    }
    QCOMPARE(ParseProfile("male 52")->sex, Sex::Male);
    QCOMPARE(ParseProfile("female 31 pregnant")->age, 31);
    QVERIFY(ParseProfile("female 31 pregnant")->pregnant);
    for (const char *text : {"", "female", "female 0", "female 151", "female 30x", "Female 30",
                             "male 40 pregnant", "female 30 pregnant twice", "female 30 tired"})
        QVERIFY2(!ParseProfile(text), text);
}

// The person's own targets as the settings keep them: only a nutrient's key and a target that
// makes sense are taken, and they stand in for the profile's target but not its limit.
void TestReferenceIntakes::ownTargets()
{
    PersonalTargets targets;
    QVERIFY(targets.read("Targets/vitamin_c", "120.5"));
    QVERIFY(targets.read("Targets/iron", "none"));
    for (const auto &[key, value] : {std::pair {"Targets/zinc", "0"},
                                     {"Targets/zinc", "-3"},
                                     {"Targets/zinc", "12mg"},
                                     {"Targets/zinc", ""},
                                     {"Targets/zinc", "1e9"},
                                     {"Targets/zinc", "nan"},
                                     {"Targets/vitamin_z", "5"},
                                     {"Goals/zinc", "5"}})
        QVERIFY2(!targets.read(key, value), (std::string(key) + '=' + value).c_str());
    QVERIFY(!targets.isSet(NutrientId::Zinc));

    const Profile woman = person(Sex::Female, 30);
    QCOMPARE(*targets.intake(woman, NutrientId::VitaminC).target, 120.5);
    QCOMPARE(*targets.intake(woman, NutrientId::VitaminC).limit, 2000.0);
    QVERIFY(!targets.intake(woman, NutrientId::Iron).target);
    QCOMPARE(*targets.intake(woman, NutrientId::Zinc).target, 8.0);
    QCOMPARE(*targets.intake(std::nullopt, NutrientId::VitaminC).target, 120.5);
    QCOMPARE(targets.valueText(NutrientId::VitaminC), std::optional<std::string>("120.5"));
    targets.reset(NutrientId::VitaminC);
    QCOMPARE(*targets.intake(woman, NutrientId::VitaminC).target, 75.0);
}

QTEST_GUILESS_MAIN(TestReferenceIntakes)
#include "tst_referenceintakes.moc"
