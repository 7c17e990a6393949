#include "FoodTestData.h"
#include "TempFolder.h"
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/UserFoodInput.h"
#include "food/UserFoodTable.h"

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

    // Edited, the food's line and its nutrients are written anew; the lines that gave nothing
    // stay for the user to mend. Removed, its nutrients go with it.
    FoodTableEntry edited = *bar;
    edited.nutrients[Nutrient::Calories] = 3.9f;
    QVERIFY(table.edit("Oat bar", edited));
    QCOMPARE(table.text(),
             "Oat bar\tg\t390\t-\t-\t-\t-\t-\t-\t-\t-\t-\t45 bar\n"
             "#+\tOat bar\tvitamin_c=12\tiron=0\n"
             "Kefir\tml\t61\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
             "#+\tKefir\tvitamin_d=1,5\n"
             "#+\tGranola\tzinc=2\n"
             "#+\toat BAR\tzinc=3\n"
             "#+\tKefir\tenergy=61\n");
    UserFoodTable again;
    again.parse(table.text());
    QCOMPARE(again.find("Oat bar")->more, bar->more);
    QVERIFY(table.edit("Oat bar", food("Granola bar")) && table.remove("Kefir"));
    QCOMPARE(table.text(),
             "Granola bar\tg\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\n"
             "#+\tKefir\tvitamin_d=1,5\n"
             "#+\tGranola\tzinc=2\n"
             "#+\toat BAR\tzinc=3\n"
             "#+\tKefir\tenergy=61\n");
}

QTEST_GUILESS_MAIN(TestUserFoodTable)
#include "tst_userfoodtable.moc"
