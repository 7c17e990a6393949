// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV export: quoting as RFC 4180 has it, numbers without the locale, and a small range
// written out whole, a day that cannot be read reported rather than dropped.
#include "TempFolder.h"
#include "export/CsvText.h"
#include "export/DiaryExport.h"
#include "food/FoodTestData.h"
#include "food/NutrientDataWriter.h"
#include "food/UserFoodTable.h"
#include "nutrition/NutrientLookup.h"
#include "platform/FileIo.h"
#include "store/ActivityDay.h"
#include "store/DayStore.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <ctime>

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path &file)
{
    return FileIo::readAll(file).value_or("<unreadable>");
}

MealEntry entry(std::string name, std::string unit, float amount, float gramsPerUnit,
                std::initializer_list<std::pair<int, float>> perGram)
{
    MealEntry meal;
    meal.name = std::move(name);
    meal.unit = std::move(unit);
    meal.amount = amount;
    meal.gramsPerUnit = gramsPerUnit;
    for (const auto &[k, value] : perGram)
        meal.nutrients[k] = value;
    return meal;
}

// The catalogue's 72 nutrients less the ten a day stores.
constexpr int kMoreColumns = 62;

// The records without their last kMoreColumns fields (none of which holds a comma): the columns
// every earlier export had.
std::string withoutMore(const std::string &text)
{
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        std::size_t cut = end;
        for (int i = 0; i < kMoreColumns; ++i)
            cut = text.rfind(',', cut - 1);
        out += text.substr(start, cut - start) + "\r\n";
        start = end + 2;
    }
    return out;
}

std::vector<std::string> records(const std::string &text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::string> fields(const std::string &record)
{
    std::vector<std::string> list;
    for (std::size_t start = 0;;) {
        const std::size_t comma = record.find(',', start);
        list.push_back(record.substr(start, comma - start));
        if (comma == std::string::npos)
            return list;
        start = comma + 1;
    }
}

} // namespace

class TestDiaryExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fieldQuoting_data();
    void fieldQuoting();
    void numbersAndRecords();
    void rangeWrittenWhole();
    void dates_data();
    void dates();
    void oneDayAndOddRanges();
    void moreNutrientsColumns();
};

void TestDiaryExport::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    // A comma as the decimal point must not reach the files.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
}

void TestDiaryExport::fieldQuoting_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << QByteArray("Apples") << QByteArray("Apples");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("comma") << QByteArray("Apples, raw") << QByteArray("\"Apples, raw\"");
    QTest::newRow("quote") << QByteArray("5\" dia") << QByteArray("\"5\"\" dia\"");
    QTest::newRow("quotes only") << QByteArray("\"\"") << QByteArray("\"\"\"\"\"\"");
    QTest::newRow("LF") << QByteArray("one\ntwo") << QByteArray("\"one\ntwo\"");
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo") << QByteArray("\"one\r\ntwo\"");
    QTest::newRow("lone CR") << QByteArray("one\rtwo") << QByteArray("\"one\rtwo\"");
    QTest::newRow("leading space") << QByteArray(" milk") << QByteArray("\" milk\"");
    QTest::newRow("trailing space") << QByteArray("milk ") << QByteArray("\"milk \"");
    QTest::newRow("leading tab") << QByteArray("\tmilk") << QByteArray("\"\tmilk\"");
    QTest::newRow("trailing tab") << QByteArray("milk\t") << QByteArray("\"milk\t\"");
    QTest::newRow("inner space") << QByteArray("whole milk") << QByteArray("whole milk");
    QTest::newRow("non-ASCII") << QByteArray("Caf\xc3\xa9 cr\xc3\xa8me")
                               << QByteArray("Caf\xc3\xa9 cr\xc3\xa8me");
    QTest::newRow("semicolon") << QByteArray("a;b") << QByteArray("a;b");
}

void TestDiaryExport::fieldQuoting()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, field);
    QCOMPARE(QByteArray::fromStdString(CsvText::Field(text.toStdString())), field);
}

void TestDiaryExport::numbersAndRecords()
{
    QCOMPARE(CsvText::Number(2.5, 2), std::string("2.5"));
    QCOMPARE(CsvText::Number(130, 2), std::string("130"));
    QCOMPARE(CsvText::Number(0.125, 3), std::string("0.125"));
    QCOMPARE(CsvText::Number(0.1 + 0.2, 2), std::string("0.3"));
    QCOMPARE(CsvText::Number(1234567.891, 2), std::string("1234567.89"));
    QCOMPARE(CsvText::Number(-0.001, 2), std::string("0"));
    QCOMPARE(CsvText::Number(std::nan(""), 2), std::string());
    QCOMPARE(CsvText::Record({"a", "b,c", ""}), std::string("a,\"b,c\",\r\n"));
}

void TestDiaryExport::rangeWrittenWhole()
{
    const TempFolder temp;
    temp.make("diary/db");
    temp.make("diary/note");
    DayStore store(temp / "diary");
    const DayStore::Day sixth {6, 12, 2026}, seventh {7, 12, 2026}, eighth {8, 12, 2026};

    QVERIFY(store.AppendMeal(seventh,
                             entry("Soup, \"tomato\", canned", "cup", 2, 100,
                                   {{Nutrient::Calories, 0.5f},
                                    {Nutrient::Carbohydrates, 0.125f},
                                    {Nutrient::Fat, 0.25f},
                                    {Nutrient::Protein, 0.0625f},
                                    {Nutrient::Sodium, 2.5f}})));
    // Written by an older program in 8-bit Western text.
    QVERIFY(store.AppendMeal(seventh,
                             entry("Caf\xe9 au lait", "mug, 250 mL", 0.5f, 250,
                                   {{Nutrient::Calories, 0.5f}, {Nutrient::Calcium, 1.0f}})));
    QVERIFY(store.SaveNote(seventh, "-Line one\n  indented, with comma"));
    QVERIFY(store.SaveWeight(eighth, "72.35"));
    // A day whose meals are larger than any reader takes in.
    QVERIFY(FileIo::writeAtomically(store.MealFile(sixth), "x"));
    fs::resize_file(store.MealFile(sixth), 65u * 1024 * 1024);
    // A folder where a weight file belongs is no day without a weight.
    fs::create_directory(store.WeightFile(sixth));

    const std::string header = "Calories,Carbohydrates (g),Protein (g),Fat (g),Saturated fat "
                               "(g),Cholesterol (mg),Fiber (g),Sugars (g),Sodium (mg),Calcium "
                               "(mg)";
    std::vector<std::pair<int, int>> steps;
    const DiaryExport::Result result =
        DiaryExport::Write(store, sixth, eighth, temp / "out", [&](int done, int total) {
            steps.emplace_back(done, total);
            return true;
        });
    QVERIFY(result.ok);
    QVERIFY(!result.cancelled);
    QCOMPARE(result.written.size(), std::size_t(3));
    QCOMPARE(steps, (std::vector<std::pair<int, int>> {{1, 3}, {2, 3}, {3, 3}}));
    QCOMPARE(result.problems.size(), std::size_t(2));
    QVERIFY(result.problems[0].starts_with("2026-12-06: the meals could not be read"));
    QCOMPARE(result.problems[1],
             std::string("2026-12-06: the weight could not be read (a folder, pipe or device "
                         "sits where the file should be)"));

    // A byte order mark first, so that spreadsheets read UTF-8.
    QCOMPARE(withoutMore(fileText(temp / "out/meals.csv")),
             "\xEF\xBB\xBF"
             "Date,Food,Amount,Unit,Grams," +
                 header +
                 "\r\n"
                 "2026-12-07,\"Soup, \"\"tomato\"\", canned\",2,cup,200,100,25,12.5,50,0,0,0,0,"
                 "500,0\r\n"
                 "2026-12-07,Caf\xc3\xa9 au lait,0.5,\"mug, 250 mL\",125,62.5,0,0,0,0,0,0,0,0,"
                 "125\r\n");
    QCOMPARE(withoutMore(fileText(temp / "out/days.csv")),
             "\xEF\xBB\xBF"
             "Date," +
                 header +
                 ",Weight,Note\r\n"
                 "2026-12-06,,,,,,,,,,,,no\r\n"
                 "2026-12-07,162.5,25,12.5,50,0,0,0,0,500,125,,yes\r\n"
                 "2026-12-08,,,,,,,,,,,72.35,no\r\n");
    // A note that a spreadsheet would take for a formula is marked as text.
    QCOMPARE(fileText(temp / "out/notes.csv"),
             std::string("\xEF\xBB\xBF"
                         "Date,Text\r\n"
                         "2026-12-07,\"'-Line one\r\n  indented, with comma\"\r\n"));

    // A cancel writes nothing; the thread-safe overload reads the same folder.
    const DiaryExport::Result cancelled = DiaryExport::Write(
        temp / "diary", seventh, eighth, temp / "cancelled", [](int, int) { return false; });
    QVERIFY(cancelled.cancelled && !cancelled.ok && cancelled.written.empty());
    QVERIFY(!fs::exists(temp / "cancelled/meals.csv"));

    const DiaryExport::Result backwards = DiaryExport::Write(store, eighth, seventh, temp / "x");
    QVERIFY(!backwards.ok && !backwards.problems.empty());

    // One file of three not written: it is named, and so are those that were.
    fs::create_directories(temp / "partly/notes.csv");
    const DiaryExport::Result partly = DiaryExport::Write(store, seventh, eighth, temp / "partly");
    QVERIFY(!partly.ok);
    QCOMPARE(partly.written.size(), std::size_t(2));
    QCOMPARE(partly.problems,
             std::vector<std::string> {"notes.csv was not written: a folder, pipe or device sits "
                                       "where the file should be. Written: meals.csv, days.csv"});

    // Activities, once a day of the range has some, in a file of their own.
    QVERIFY(ActivityDay::Append(store.DataFilePath(eighth, ActivityDay::Extension),
                                {"Walk, brisk", 40, 180.5}));
    const DiaryExport::Result active = DiaryExport::Write(store, seventh, eighth, temp / "active");
    QCOMPARE(active.written.size(), std::size_t(4));
    QCOMPARE(fileText(temp / "active/activities.csv"),
             std::string("\xEF\xBB\xBF"
                         "Date,Activity,Minutes,Calories burned\r\n"
                         "2026-12-08,\"Walk, brisk\",40,180.5\r\n"));
}

void TestDiaryExport::dates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("number"); // days since 1 January 1970, as a calendar counts
    QTest::newRow("epoch") << QByteArray("1970-01-01") << true << 0LL;
    QTest::newRow("the day before") << QByteArray("1969-12-31") << true << -1LL;
    QTest::newRow("31 January") << QByteArray("2026-01-31") << true << 20484LL;
    QTest::newRow("1 February") << QByteArray("2026-02-01") << true << 20485LL;
    QTest::newRow("29 February 2000") << QByteArray("2000-02-29") << true << 11016LL;
    QTest::newRow("1 March 2000") << QByteArray("2000-03-01") << true << 11017LL;
    QTest::newRow("7 December 2026") << QByteArray("2026-12-07") << true << 20794LL;
    QTest::newRow("30 February") << QByteArray("2026-02-30") << false << 0LL;
    QTest::newRow("slash for a dash") << QByteArray("2026-12/07") << false << 0LL;
    QTest::newRow("slash after the year") << QByteArray("2026/12-07") << false << 0LL;
    QTest::newRow("letter last") << QByteArray("2026-12-0x") << false << 0LL;
    QTest::newRow("slash last, 1 and '/' - '0' make 9") << QByteArray("2026-12-1/") << false << 0LL;
    QTest::newRow("short month") << QByteArray("2026-1-07") << false << 0LL;
}

void TestDiaryExport::dates()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, number);
    const std::optional<DiaryExport::Day> day = DiaryExport::ParseIsoDate(text.toStdString());
    QCOMPARE(day.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(QByteArray::fromStdString(DiaryExport::IsoDate(*day)), text);
    QCOMPARE(DiaryExport::DayNumber(*day), number);
    const DiaryExport::Day back = DiaryExport::FromDayNumber(number);
    QCOMPARE(QByteArray::fromStdString(DiaryExport::IsoDate(back)), text);
}

void TestDiaryExport::oneDayAndOddRanges()
{
    const TempFolder temp;
    temp.make("diary/db");
    temp.make("diary/note");
    DayStore store(temp / "diary");
    const DayStore::Day day {7, 1, 2026};
    QVERIFY(store.SaveWeight(day, "80.125"));
    std::vector<std::pair<int, int>> steps;
    const DiaryExport::Result one =
        DiaryExport::Write(store, day, day, temp / "one", [&](int done, int total) {
            steps.emplace_back(done, total);
            return true;
        });
    QVERIFY(one.ok);
    QCOMPARE(steps, (std::vector<std::pair<int, int>> {{1, 1}}));
    QVERIFY(withoutMore(fileText(temp / "one/days.csv"))
                .ends_with(",Weight,Note\r\n2026-01-07,,,,,,,,,,,80.125,no\r\n"));
    // With the decimal comma, a number is a field of its own in quotes.
    QVERIFY(DiaryExport::Write(store, day, day, temp / "comma", {}, {}, nullptr, {','}).ok);
    QVERIFY(withoutMore(fileText(temp / "comma/days.csv"))
                .ends_with("\r\n2026-01-07,,,,,,,,,,,\"80,125\",no\r\n"));

    // A range ending on a day that does not exist is refused, whichever end it is.
    const DiaryExport::Result badEnd = DiaryExport::Write(store, day, {30, 2, 2026}, temp / "x");
    QVERIFY(!badEnd.ok && !badEnd.problems.empty());
    QVERIFY(!fs::exists(temp / "x"));
}

void TestDiaryExport::moreNutrientsColumns()
{
    // Apple knows vitamin C (0.046 mg a gram) and a zero of iron; the own Oat bar 12 mg of
    // vitamin C per 100 g and no iron; Mystery is no food at all.
    FoodDatabase database;
    FoodFormat::Nutrients appleTen {};
    appleTen[Nutrient::Calories] = 0.52f;
    QVERIFY(FoodTestData::loadFoods(
        database, {FoodTestData::food("Apple", FoodFormat::WeightPair, appleTen)}));
    FoodNutrients apple;
    apple.set(NutrientId::Energy, 0.52f);
    apple.set(NutrientId::VitaminC, 0.046f);
    apple.set(NutrientId::Iron, 0.0f);
    NutrientDataWriter writer;
    writer.addFood(apple);
    const std::vector<std::uint8_t> bytes = writer.bytes();
    NutrientData data;
    QVERIFY(data.load(bytes));
    UserFoodTable ownFoods;
    ownFoods.parse("Oat bar\tg\t400\t-\t-\t-\t-\t-\t-\t-\t-\t-\n#+\tOat bar\tvitamin_c=12\n");
    database.addUserFoods(ownFoods.records());
    NutrientLookup lookup(database, data);
    lookup.setOwnFoods(NutrientLookup::ownFoodsOf(ownFoods));

    const TempFolder temp;
    temp.make("diary/db");
    temp.make("diary/note");
    DayStore store(temp / "diary");
    const DayStore::Day seventh {7, 12, 2026}, eighth {8, 12, 2026};
    QVERIFY(store.AppendMeal(seventh, entry("Apple", "g", 182, 1, {{Nutrient::Calories, 0.52f}})));
    QVERIFY(store.AppendMeal(seventh, entry("Oat bar", "bar", 2, 45, {{Nutrient::Calories, 4}})));
    QVERIFY(store.AppendMeal(seventh, entry("Mystery", "g", 100, 1, {{Nutrient::Calories, 1}})));
    QVERIFY(store.AppendMeal(eighth, entry("Mystery", "g", 100, 1, {{Nutrient::Calories, 1}})));
    QVERIFY(DiaryExport::Write(store, seventh, eighth, temp / "out", {}, {}, &lookup).ok);

    // Vitamin C is column 56 of meals.csv and 54 of days.csv, iron 65 and 63 (from 1).
    const std::vector<std::string> meals = records(fileText(temp / "out/meals.csv"));
    QCOMPARE(meals.size(), std::size_t(5));
    const std::vector<std::vector<std::string>> expectedMeals = {
        {"Vitamin C (mg)", "Iron (mg)"}, {"8.372", "0"}, {"10.8", ""}, {"", ""}, {"", ""}};
    for (std::size_t i = 0; i < meals.size(); ++i) {
        const std::vector<std::string> row = fields(meals[i]);
        QCOMPARE(row.size(), std::size_t(5 + 10 + kMoreColumns));
        QCOMPARE((std::vector<std::string> {row[55], row[64]}), expectedMeals[i]);
    }
    // A day counts the entries that know a nutrient; one that none knows is empty.
    const std::vector<std::string> days = records(fileText(temp / "out/days.csv"));
    QCOMPARE(days.size(), std::size_t(3));
    const std::vector<std::vector<std::string>> expectedDays = {
        {"Vitamin C (mg)", "Iron (mg)"}, {"19.172", "0"}, {"", ""}};
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::vector<std::string> row = fields(days[i]);
        QCOMPARE(row.size(), std::size_t(1 + 10 + 2 + kMoreColumns));
        QCOMPARE((std::vector<std::string> {row[53], row[62]}), expectedDays[i]);
    }
}

QTEST_GUILESS_MAIN(TestDiaryExport)
#include "tst_diaryexport.moc"
