// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoodTestData.h"
#include "TempFolder.h"
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/UserFoodInput.h"
#include "food/UserFoodTable.h"
#include "platform/Clock.h"

#include <QtTest>

using namespace FoodTestData;

namespace {

// Four lines the program reads, a comment and two it cannot.
const std::string kFile = "# my own\n"
                          "Oat bar\tg\t400\t60\t12\t10\t-\t50\t5\t2.5\t-\t20\t45 bar\n"
                          "Broken\tg\t1\t2\t3\t4\t5\t6\t7\n"
                          "Kefir\tml\t61\t4.5\t3.2\t3.4\t-\t120\t40\t2\t10\t4.5\n"
                          "Soup\tbowl\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                          "oat BAR\tg\t1\t-\t-\t-\t-\t-\t-\t-\t-\t-\n";

FoodTableEntry pancake()
{
    UserFoodTable::TypedNutrients perServing {};
    perServing[Nutrient::Calories] = 150;
    perServing[Nutrient::Fat] = 5;
    const auto per100 = UserFoodTable::per100FromServing(perServing, 30);
    return food("Pancake", FoodFormat::WeightPair, UserFoodTable::perGramFromPer100(*per100),
                {{"piece", 30.0f}});
}

} // namespace

class TestUserFoodTable : public QObject
{
    Q_OBJECT

private slots:
    void readsSkipsAndKeepsLines();
    void addEditRemoveAndSave();
    void mergedIntoTheDatabase();
    void typedFormMakesFood();
    void moreNutrientsLines();
    void keepsWhatFoodsWere();
};

void TestUserFoodTable::readsSkipsAndKeepsLines()
{
    UserFoodTable table;
    table.parse(kFile);
    QCOMPARE(table.foodCount(), 2);
    const FoodTableEntry *bar = table.find("OAT BAR");
    QVERIFY(bar);
    QCOMPARE(bar->nutrients[Nutrient::Calories], 4.0f);
    QCOMPARE(bar->nutrients[Nutrient::SaturatedFat], 0.025f);
    QCOMPARE(bar->units.size(), std::size_t(1));
    QCOMPARE(bar->units[0].name, std::string("bar"));
    QCOMPARE(table.find("Kefir")->pairKind, FoodFormat::VolumePair);

    QCOMPARE(table.skipped().size(), std::size_t(3));
    QCOMPARE(table.skipped()[0].line, 3);
    QCOMPARE(table.skipped()[1].reason, std::string("its second field is \"bowl\", not g or ml"));
    QCOMPARE(table.skipped()[2].reason, std::string("its name is already used on line 2"));
    QCOMPARE(table.skippedNotice(),
             std::string("Skipped line 3 of myfoods.tsv: it has 9 fields, "
                         "not 12 or more (and 2 more lines)"));
    // Nothing is lost on a rewrite, not even what could not be read.
    QCOMPARE(table.text(), kFile);

    // Garbage and nothing at all.
    const char garbage[] = "\0\xff\t\t\r\n\n#\n\t\t\t\t\t\t\t\t\t\t\t\t\n";
    table.parse(std::string_view(garbage, sizeof garbage - 1));
    QCOMPARE(table.foodCount(), 0);
    QCOMPARE(table.skipped().size(), std::size_t(2));
    QCOMPARE(table.skipped()[0].reason, std::string("it has 3 fields, not 12 or more"));
    QCOMPARE(table.skipped()[1].reason, std::string("it has no name"));
    QCOMPARE(table.skippedNotice(),
             std::string("Skipped line 1 of myfoods.tsv: it has 3 fields, "
                         "not 12 or more (and 1 more line)"));
    // Carriage returns at a line's end, however many, are no part of its last field; a value
    // below zero is no value; ten units are allowed.
    table.parse("Tea\tml\t1\t-\t-\t-\t-\t-\t-\t-\t-\t-\r\r\n"
                "Minus\tg\t-5\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                "Ten\tg\t1\t-\t-\t-\t-\t-\t-\t-\t-\t-\t1 a\t1 b\t1 c\t1 d\t1 e\t1 f\t1 g\t1 h"
                "\t1 i\t1 j\n");
    QCOMPARE(table.foodCount(), 2);
    QCOMPARE(table.find("Ten")->units.size(), std::size_t(10));
    QCOMPARE(table.skipped().size(), std::size_t(1));
    QCOMPARE(table.skipped()[0].line, 2);
    table.parse({});
    QVERIFY(table.skipped().empty() && table.foodCount() == 0);
}

void TestUserFoodTable::addEditRemoveAndSave()
{
    TempFolder folder;
    const auto file = folder / UserFoodTable::FileName;
    UserFoodTable table;
    QVERIFY(table.load(file).ok()); // no file yet: an empty table

    std::string why;
    QVERIFY(table.add(pancake(), &why));
    QVERIFY(table.add(food("Apple cake, mine", FoodFormat::WeightPair, {}, {{"slice", 80.0f}})));
    QVERIFY(!table.add(food("PANCAKE"), &why));
    QCOMPARE(why, std::string("there is already a food called \"PANCAKE\""));
    QVERIFY(!table.add(food("Tab\there"), &why));
    QCOMPARE(why, std::string("a name cannot start with # or hold a tab or a line break"));
    QVERIFY(table.save(file).ok());

    UserFoodTable read;
    QVERIFY(read.load(file).ok());
    const std::string text = read.text();
    // Per serving of 30 g: 150 kcal and 5 g fat are 500 and 16.6667 per 100 g.
    QVERIFY(text.starts_with('#'));
    QVERIFY(text.ends_with("\nApple cake, mine\tg\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t80 slice\n"
                           "Pancake\tg\t500\t-\t16.6667\t-\t-\t-\t-\t-\t-\t-\t30 piece\n"));

    QVERIFY(read.edit("pancake", food("Blini", FoodFormat::VolumePair), &why));
    QVERIFY(!read.edit("Pancake", food("Blini"), &why));
    QCOMPARE(why, std::string("there is no food called \"Pancake\""));
    QVERIFY(read.remove("APPLE CAKE, MINE"));
    QVERIFY(!read.remove("Apple cake, mine"));
    QVERIFY(read.text().ends_with("\nBlini\tml\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"));
    QCOMPARE(read.foodCount(), 1);

    // A table whose file is there but could not be read is never written over.
    std::filesystem::create_directory(folder / "dir.tsv");
    QCOMPARE(read.load(folder / "dir.tsv").problem, FileIo::Problem::NotAFile);
    QCOMPARE(read.save(folder / "dir.tsv").problem, FileIo::Problem::NotAFile);
}

void TestUserFoodTable::mergedIntoTheDatabase()
{
    FoodDatabase database;
    QVERIFY(
        loadFoods(database, {food("Apple juice"), food("Beans, boiled"), food("Carrots, raw")}));
    UserFoodTable table;
    table.parse("Zucchini bake\tg\t90\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                "banana bread, mine\tg\t300\t-\t-\t-\t-\t-\t-\t-\t-\t-\t60 slice\n");
    QCOMPARE(database.addUserFoods(table.records()), 2);

    QCOMPARE(database.recordCount(), 5);
    const char *names[] = {"Apple juice", "banana bread, mine", "Beans, boiled", "Carrots, raw",
                           "Zucchini bake"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(database.name(i), std::string_view(names[i]));
        QCOMPARE(database.isUserFood(i), i == 1 || i == 4);
    }
    std::vector<std::int32_t> found;
    FoodFilter::findMatches(database, FoodFilter::searchWords("bread"), found);
    QCOMPARE(found, std::vector<std::int32_t>({1}));
    QCOMPARE(database.record(1).nutrients()[Nutrient::Calories], 3.0f);
    QCOMPARE(database.record(1).units().items[0].name, std::string_view("slice"));

    // More foods later, one too long for the room the database keeps for them: it moves to
    // larger memory, and the foods already merged keep their mark.
    const std::string longName = "Cabbage, " + std::string(300000, 'x');
    QCOMPARE(database.addUserFoods({FoodDatabaseWriter::recordBytes(food("Apricots, mine")),
                                    FoodDatabaseWriter::recordBytes(food(longName))}),
             2);
    QCOMPARE(database.recordCount(), 7);
    QCOMPARE(database.name(1), std::string_view("Apricots, mine"));
    QCOMPARE(database.name(4), std::string_view(longName));
    QCOMPARE(database.name(6), std::string_view("Zucchini bake"));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(database.isUserFood(i), i == 1 || i == 2 || i == 4 || i == 6);
    found.clear();
    FoodFilter::findMatches(database, FoodFilter::searchWords("ca"), found);
    QCOMPARE(found, std::vector<std::int32_t>({4, 5}));
}

void TestUserFoodTable::typedFormMakesFood()
{
    UserFoodTable table;
    table.parse(kFile);
    FoodDatabase database;
    QVERIFY(loadFoods(database, {food("Apple juice")}));
    using Problem = UserFoodInput::Problem;

    // A drink typed per glass of 250 mL; empty boxes are no value, blank unit rows no unit.
    UserFoodInput input;
    input.name = "  Smoothie, berry ";
    input.millilitres = true;
    input.perServing = true;
    input.servingAmount = "250";
    input.nutrients[Nutrient::Calories] = "150";
    input.nutrients[Nutrient::Sugars] = " 25.5";
    input.units = {{"glass", "250"}, {" ", ""}};
    UserFoodInput::Result made = input.makeFood(table, &database);
    QCOMPARE(made.problem, Problem::None);
    QCOMPARE(UserFoodTable::formatLine(made.food),
             std::string("Smoothie, berry\tml\t60\t-\t-\t-\t-\t-\t-\t-\t-\t10.2\t250 glass"));
    // Its other nutrients per serving too; a 0 is known, an empty box is not.
    QCOMPARE(UserFoodTable::formatMoreLine(made.food), std::string());
    UserFoodInput withMore = input;
    withMore.more[NutrientId::VitaminC] = "30";
    withMore.more[NutrientId::Caffeine] = "0";
    QCOMPARE(UserFoodTable::formatMoreLine(withMore.makeFood(table, &database).food),
             std::string("#+\tSmoothie, berry\tvitamin_c=12\tcaffeine=0"));
    // Filled again from the stored food: per 100 mL.
    const UserFoodInput again = UserFoodInput::fromFood(made.food);
    QCOMPARE(again.nutrients[Nutrient::Calories], std::string("60"));
    QCOMPARE(again.units[0].amount, std::string("250"));
    // Typed per 100 g instead, with a unit in each of the ten places there are.
    UserFoodInput per100 = input;
    per100.name = "Kefir per 100 g";
    per100.perServing = false;
    per100.units.clear();
    for (const char *unit : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"})
        per100.units.push_back({unit, "1"});
    made = per100.makeFood(table, &database);
    QCOMPARE(made.problem, Problem::None);
    QCOMPARE(made.food.nutrients[Nutrient::Calories], 1.5f);
    UserFoodTable withIt = table;
    QVERIFY(withIt.add(made.food));

    const auto problem = [&](UserFoodInput typed, std::string_view editing = {}) {
        made = typed.makeFood(table, &database, editing);
        return std::pair(made.problem, made.item);
    };
    UserFoodInput wrong = input;
    wrong.name = " ";
    QCOMPARE(problem(wrong), std::pair(Problem::NoName, -1));
    wrong.name = "apple JUICE"; // a food the program carries
    QCOMPARE(problem(wrong), std::pair(Problem::NameUsed, -1));
    wrong.name = "Kefir"; // one of the user's own, unless it is the one edited
    QCOMPARE(problem(wrong), std::pair(Problem::NameUsed, -1));
    QCOMPARE(problem(wrong, "KEFIR"), std::pair(Problem::None, -1));
    wrong = input;
    wrong.servingAmount = "0";
    QCOMPARE(problem(wrong), std::pair(Problem::ServingNotAboveZero, -1));
    wrong = input;
    wrong.nutrients[Nutrient::Fat] = "lots";
    QCOMPARE(problem(wrong), std::pair(Problem::NutrientNotANumber, int(Nutrient::Fat)));
    wrong.nutrients[Nutrient::Fat] = "-2";
    QCOMPARE(problem(wrong), std::pair(Problem::NutrientNegative, int(Nutrient::Fat)));
    wrong = input;
    wrong.more[NutrientId::Iron] = "some";
    QCOMPARE(problem(wrong), std::pair(Problem::MoreNotANumber, int(NutrientId::Iron)));
    wrong = input;
    wrong.units = {{"cup", "240"}, {"fl.oz", "30"}};
    QCOMPARE(problem(wrong), std::pair(Problem::UnitNameUsed, 1));
    wrong.units = {{"cup", "240"}, {"CUP", "30"}};
    QCOMPARE(problem(wrong), std::pair(Problem::UnitNameUsed, 1));
    wrong.units = {{"cup", ""}};
    QCOMPARE(problem(wrong), std::pair(Problem::UnitNoAmount, 0));
    wrong.units = {{"", "5"}};
    QCOMPARE(problem(wrong), std::pair(Problem::UnitNoName, 0));
}

void TestUserFoodTable::moreNutrientsLines()
{
    // Oat bar's other nutrients, then three lines that give none: a number that is none, a food
    // that is not there (renamed by an older program), a second line for one food.
    const std::string file = "Oat bar\tg\t400\t-\t-\t-\t-\t-\t-\t-\t-\t-\t45 bar\n"
                             "#+\tOat bar\tvitamin_c=12\tiron=0\n"
                             "Kefir\tml\t61\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                             "#+\tKefir\tvitamin_d=1,5\n"
                             "#+\tGranola\tzinc=2\n"
                             "#+\toat BAR\tzinc=3\n"
                             "#+\tKefir\tenergy=61\n";
    UserFoodTable table;
    table.parse(file);
    QCOMPARE(table.foodCount(), 2);
    const FoodTableEntry *bar = table.find("Oat bar");
    QCOMPARE(bar->more.perGram(NutrientId::VitaminC), std::optional<double>(0.12f));
    QCOMPARE(bar->more.perGram(NutrientId::Iron), std::optional<double>(0.0));
    QCOMPARE(bar->more.knownCount(), 2);
    QCOMPARE(table.find("Kefir")->more.knownCount(), 0);
    QCOMPARE(table.skipped().size(), std::size_t(4));
    QCOMPARE(table.skipped()[0].line, 4);
    QCOMPARE(table.skipped()[0].reason,
             std::string("its vitamin_d \"1,5\" is not a number of 0 or more"));
    QCOMPARE(table.skipped()[1].reason,
             std::string("there is no food called \"Granola\" for its nutrients"));
    QCOMPARE(table.skipped()[2].reason,
             std::string("the food's other nutrients are on line 2 already"));
    QCOMPARE(table.skipped()[3].reason, std::string("its energy belongs on the food's own line"));
    QCOMPARE(table.text(), file);

    // Every nutrient of the food: the ten that are not 0 and the others, per gram.
    const FoodNutrients all = UserFoodTable::nutrientsOf(*bar);
    QCOMPARE(all.perGram(NutrientId::Energy), std::optional<double>(4.0f));
    QCOMPARE(all.perGram(NutrientId::Protein), std::nullopt);
    QCOMPARE(all.knownCount(), 3);

    // Edited, the food's line and its nutrients are written anew, what it was kept before it;
    // the lines that gave nothing stay for the user to mend. Removed, its nutrients go with it.
    Clock::setNowForTesting(DayFiles::NoonOf(8, 12, 2026));
    const std::string was400 =
        "#<\t2026-12-08\tOat bar\tg\t400\t-\t-\t-\t-\t-\t-\t-\t-\t-\tvitamin_c=12\tiron=0\n";
    FoodTableEntry edited = *bar;
    edited.nutrients[Nutrient::Calories] = 3.9f;
    QVERIFY(table.edit("Oat bar", edited));
    QCOMPARE(table.text(),
             was400 +
                 "Oat bar\tg\t390\t-\t-\t-\t-\t-\t-\t-\t-\t-\t45 bar\n"
                 "#+\tOat bar\tvitamin_c=12\tiron=0\n"
                 "Kefir\tml\t61\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                 "#+\tKefir\tvitamin_d=1,5\n"
                 "#+\tGranola\tzinc=2\n"
                 "#+\toat BAR\tzinc=3\n"
                 "#+\tKefir\tenergy=61\n");
    UserFoodTable again;
    again.parse(table.text());
    QCOMPARE(again.find("Oat bar")->more, edited.more);
    QVERIFY(table.edit("Oat bar", food("Granola bar")) && table.remove("Kefir"));
    Clock::setNowForTesting(std::nullopt);
    QCOMPARE(table.text(),
             was400 +
                 "#<\t2026-12-08\tOat bar\tg\t390\t-\t-\t-\t-\t-\t-\t-\t-\t-\tvitamin_c=12"
                 "\tiron=0\n"
                 "Granola bar\tg\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                 "#<\t2026-12-08\tKefir\tml\t61\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                 "#+\tKefir\tvitamin_d=1,5\n"
                 "#+\tGranola\tzinc=2\n"
                 "#+\toat BAR\tzinc=3\n"
                 "#+\tKefir\tenergy=61\n");
}

// Edited twice and removed, a food keeps each definition with the day it ended, and a day's
// entry finds the one it was logged with.
void TestUserFoodTable::keepsWhatFoodsWere()
{
    using Day = DayFiles::LocalDate;
    const auto on = [](int day) {
        Clock::setNowForTesting(DayFiles::NoonOf(day, 12, 2026));
    };
    UserFoodTable table;
    table.parse("Soup\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\t300 bowl\n"
                "#+\tSoup\tvitamin_c=10\n");
    FoodTableEntry soup = *table.find("Soup");
    on(5);
    soup.more.set(NutrientId::VitaminC, 0.2f);
    QVERIFY(table.edit("Soup", soup));
    on(9);
    soup.nutrients[Nutrient::Calories] = 0.6f;
    QVERIFY(table.edit("soup", soup));
    soup.units.push_back({"cup", 240.0f}); // nothing a logged gram gives
    QVERIFY(table.edit("Soup", soup));
    on(12);
    QVERIFY(table.remove("Soup"));
    Clock::setNowForTesting(std::nullopt);
    const std::string text =
        "#<\t2026-12-05\tSoup\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\tvitamin_c=10\n"
        "#<\t2026-12-09\tSoup\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\tvitamin_c=20\n"
        "#<\t2026-12-12\tSoup\tg\t60\t-\t-\t-\t-\t-\t-\t-\t-\t-\tvitamin_c=20\n";
    QCOMPARE(table.text(), text);
    UserFoodTable again;
    again.parse(text);
    QCOMPARE(again.text(), text);
    QVERIFY(again.skipped().empty() && again.foodCount() == 0);

    const std::vector<UserFoodHistory::Definition> soups = again.definitions();
    QCOMPARE(soups.size(), std::size_t(3));
    const auto used = [&](std::optional<Day> day, const Nutrients *stored = nullptr) {
        const std::optional<Day> until = UserFoodHistory::InForce(soups, day, stored)->until;
        return until ? DayFiles::IsoDate(*until) : std::string("now");
    };
    QCOMPARE(used(Day {4, 12, 2026}), std::string("2026-12-05"));
    QCOMPARE(used(Day {5, 12, 2026}), std::string("2026-12-09"));
    QCOMPARE(used(Day {11, 12, 2026}), std::string("2026-12-12"));
    QCOMPARE(used(Day {30, 12, 2026}), std::string("2026-12-12"));
    QCOMPARE(used(std::nullopt), std::string("2026-12-12"));
    // Logged on the 4th after the second change: the 60 kcal it stores tell which.
    Nutrients stored {};
    stored[Nutrient::Calories] = 0.6f;
    QCOMPARE(used(Day {4, 12, 2026}, &stored), std::string("2026-12-12"));
    QCOMPARE(soups[0].food.more.perGram(NutrientId::VitaminC), std::optional<double>(0.1f));

    again.parse("#<\t2026-13-01\tSoup\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
                "#<\t2026-12-01\tSoup\tg\t50\n"
                "#<\t2026-12-01\tSoup\tg\t50\t-\t-\t-\t-\t-\t-\t-\t-\t-\tzinc\n");
    QCOMPARE(again.skipped().size(), std::size_t(3));
    QCOMPARE(again.skipped()[0].reason,
             std::string("its date \"2026-13-01\" is not a date written YYYY-MM-DD"));
    QVERIFY(again.definitions().empty());
}

QTEST_GUILESS_MAIN(TestUserFoodTable)
#include "tst_userfoodtable.moc"
