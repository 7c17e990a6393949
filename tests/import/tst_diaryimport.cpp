// SPDX-License-Identifier: GPL-3.0-or-later
// Moving in from another diary: the peers' export files read by column name, a day's totals the
// same as the file's, nothing already in the diary replaced, and a file that is none of them
// refused with words.
#include "TempFolder.h"
#include "export/DiaryExport.h"
#include "import/CsvReader.h"
#include "import/ImportFile.h"
#include "import/ImportPlan.h"
#include "import/ImportPreview.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"

#include <QtTest>
#include <ctime>

namespace fs = std::filesystem;

namespace {

using Day = DayStore::Day;

ImportPlan::Source source(const std::string &name, const std::string &bytes)
{
    return {name, ImportFile::Read(bytes)};
}

std::vector<std::string> previewTexts(const ImportPlan::Plan &plan)
{
    std::vector<std::string> texts;
    for (const ImportPreview::Line &line : ImportPreview::Lines(plan))
        texts.push_back(line.text);
    return texts;
}

bool contains(const std::vector<std::string> &texts, const std::string &text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

struct Diary
{
    TempFolder temp;
    std::unique_ptr<DayStore> store;
    Diary()
    {
        temp.make("diary/db");
        temp.make("diary/note");
        store = std::make_unique<DayStore>(temp / "diary");
    }
};

const std::string kServings =
    "\xEF\xBB\xBF"
    "Day,Time,Group,Food Name,Amount,Protein (g),Alcohol (g),Energy (kcal),Carbs (g),Fiber (g),"
    "Sugars (g),Fat (g),Saturated (g),Cholesterol (mg),Sodium (mg),Calcium (mg),Category\r\n"
    "2026-03-04,08:10,Breakfast,\"Oats, rolled\",40.00 g,5.3,0,150.5,27,4,0.4,2.6,0.5,0,2,21,"
    "Cereal\r\n"
    "3/4/2026,12:30,Lunch,\"Soup \"\"minestrone\"\"\r\nhome made\",1.00 bowl,6,,210.25,30,,6,5,"
    "1,3,800,60,Soups\r\n"
    "03/05/2026,,Dinner,Banana,1.00 medium,1.3,0,105,27,3.1,14.4,0.4,0.1,0,1,6,Fruits\r\n";

const std::string kNutritionSummary =
    "Date,Meal,Calories,Fat (g),Saturated Fat,Polyunsaturated Fat,Monounsaturated Fat,Trans Fat,"
    "Cholesterol,Sodium (mg),Potassium,Carbohydrates (g),Fiber,Sugar,Protein (g),Vitamin A,"
    "Vitamin C,Calcium,Iron,Note\n"
    "2026-01-10,Breakfast,420,12.5,4,1,2,0,190,480,300,55,6,12,22,10,15,20,8,\n"
    "2026-01-10,Dinner,650.5,20,7,,,,85,900,,70,8,9,40,,,25,,Pasta night\n";

} // namespace

class TestDiaryImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void csvRecords();
    void cronometer();
    void myFitnessPal();
    void ownExportRoundTrip();
    void existingDataKept();
    void garbageRefused();
};

void TestDiaryImport::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
}

void TestDiaryImport::csvRecords()
{
    const std::vector<CsvReader::Record> records = CsvReader::Parse("\xEF\xBB\xBF"
                                                                    "a,\"b,\"\"c\"\"\r\nd\"\r\n\r\n"
                                                                    "x,y\rlast,\"open\n");
    QCOMPARE(records.size(), std::size_t(3));
    QCOMPARE(records[0].fields, (std::vector<std::string> {"a", "b,\"c\"\r\nd"}));
    QCOMPARE(records[1].fields, (std::vector<std::string> {"x", "y"}));
    QCOMPARE(records[1].line, std::size_t(4));
    QCOMPARE(records[2].fields, (std::vector<std::string> {"last", "open\n"}));
    QCOMPARE(records[2].line, std::size_t(5));
}

// Columns in another order, a Time column, a blank cell, M/D/YYYY dates, weights in two units.
void TestDiaryImport::cronometer()
{
    Diary diary;
    std::vector<ImportPlan::Source> sources;
    sources.push_back(source("servings.csv", kServings));
    sources.push_back(source("biometrics.csv",
                             "Day,Time,Group,Metric,Unit,Amount\n"
                             "2026-03-04,07:00,,Weight,lbs,165.0\n"
                             "2026-03-05,07:00,,Weight,kg,74.5\n"
                             "2026-03-06,07:00,,Weight,kg,74.25\n"
                             "2026-03-06,07:00,,Body Fat,%,20\n"));
    sources.push_back(
        source("notes.csv", "Day,Group,Note\n2026-03-05,Dinner,\"Felt fine,\r\nslept well\"\n"));
    for (const ImportPlan::Source &s : sources)
        QVERIFY(s.content.format != ImportFile::Format::Unknown);
    QCOMPARE(sources[1].content.problems,
             std::vector<std::string> {"Measurements other than weight, not imported: 1"});

    const ImportPlan::Plan plan = ImportPlan::Make(*diary.store, std::move(sources));
    QCOMPARE(plan.entries, std::size_t(3));
    QCOMPARE(plan.weights, std::size_t(3));
    QCOMPARE(plan.weightsConverted, std::size_t(1));
    QCOMPARE(plan.notes, std::size_t(1));
    const std::vector<std::string> preview = previewTexts(plan);
    QVERIFY(contains(preview, "Days: 3, from 2026-03-04 to 2026-03-06"));
    QVERIFY(contains(preview, "No day of the range has data yet."));

    const ImportPlan::Outcome outcome = ImportPlan::Apply(*diary.store, plan);
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.entries, std::size_t(3));

    const DayStore::Meals fourth = diary.store->LoadMeals({4, 3, 2026});
    QCOMPARE(fourth.entries.size(), std::size_t(2));
    QCOMPARE(fourth.totals[Nutrient::Calories], 360.75f);
    QCOMPARE(fourth.totals[Nutrient::Fiber], 4.0f);
    QCOMPARE(fourth.totals[Nutrient::Sodium], 802.0f);
    QCOMPARE(fourth.totals[Nutrient::SaturatedFat], 1.5f);
    QCOMPARE(fourth.entries[0].name, std::string("Oats, rolled (40.00 g)"));
    QCOMPARE(fourth.entries[1].name, std::string("Soup \"minestrone\"\r\nhome made (1.00 bowl)"));
    QCOMPARE(fourth.entries[1].amount, 1.0f);
    QCOMPARE(diary.store->LoadMeals({5, 3, 2026}).totals[Nutrient::Calories], 105.0f);

    // 165 lbs is 74.84274105 kg, kept to 3 decimals.
    QCOMPARE(diary.store->LoadWeight({4, 3, 2026}), std::optional(74.843f));
    QCOMPARE(diary.store->LoadWeight({6, 3, 2026}), std::optional(74.25f));
    QCOMPARE(diary.store->LoadNote({5, 3, 2026}).text, std::string("Felt fine,\nslept well"));
}

// One row of totals per meal, with and without a Time column; Calcium is a share of a daily
// value and stays out.
void TestDiaryImport::myFitnessPal()
{
    Diary diary;
    std::vector<ImportPlan::Source> sources;
    sources.push_back(source("Nutrition-Summary-2026-01-10-to-2026-01-10.csv", kNutritionSummary));
    sources.push_back(source(
        "Nutrition-Summary-2026-01-11-to-2026-01-11.csv",
        "Date,Meal,Time,Calories,Fat (g),Saturated Fat,Polyunsaturated Fat,Monounsaturated Fat,"
        "Trans Fat,Cholesterol,Sodium (mg),Potassium,Carbohydrates (g),Fiber,Sugar,Protein (g),"
        "Vitamin A,Vitamin C,Calcium,Iron,Note\n"
        "2026-01-11,Lunch,12:15 PM,300,10,3,,,,30,600,,35,5,4,18,,,10,,\n"));
    sources.push_back(source("Measurement-Summary-2026-01-10-to-2026-01-11.csv",
                             "Date,Weight\n2026-01-10,180.2\n"));
    const ImportPlan::Plan plan = ImportPlan::Make(*diary.store, std::move(sources));
    QVERIFY(ImportPlan::Apply(*diary.store, plan).ok());

    const DayStore::Meals tenth = diary.store->LoadMeals({10, 1, 2026});
    QCOMPARE(tenth.entries.size(), std::size_t(2));
    QCOMPARE(tenth.entries[0].name, std::string("Breakfast (imported)"));
    QCOMPARE(tenth.entries[1].name, std::string("Dinner (imported)"));
    QCOMPARE(tenth.totals[Nutrient::Calories], 1070.5f);
    QCOMPARE(tenth.totals[Nutrient::Fat], 32.5f);
    QCOMPARE(tenth.totals[Nutrient::Sodium], 1380.0f);
    QCOMPARE(tenth.totals[Nutrient::Carbohydrates], 125.0f);
    QCOMPARE(tenth.totals[Nutrient::Cholesterol], 275.0f);
    QCOMPARE(tenth.totals[Nutrient::Calcium], 0.0f);
    const DayStore::Meals eleventh = diary.store->LoadMeals({11, 1, 2026});
    QCOMPARE(eleventh.totals[Nutrient::Calories], 300.0f);
    QCOMPARE(eleventh.totals[Nutrient::Protein], 18.0f);
    QCOMPARE(diary.store->LoadWeight({10, 1, 2026}), std::optional(180.2f));
    QCOMPARE(diary.store->LoadNote({10, 1, 2026}).text, std::string("Pasta night"));
}

void TestDiaryImport::ownExportRoundTrip()
{
    Diary from;
    const Day seventh {7, 12, 2026}, eighth {8, 12, 2026};
    MealEntry soup;
    soup.name = "Soup, \"tomato\"";
    soup.unit = "cup";
    soup.amount = 2.0f;
    soup.gramsPerUnit = 100.0f;
    soup.nutrients[Nutrient::Calories] = 0.5f;
    soup.nutrients[Nutrient::Sodium] = 2.5f;
    MealEntry cafe = soup;
    cafe.name = "-Caf\xc3\xa9 au lait";
    cafe.unit = "mug, 250 mL";
    cafe.amount = 0.5f;
    cafe.gramsPerUnit = 250.0f;
    cafe.nutrients[Nutrient::Calcium] = 1.0f;
    QVERIFY(from.store->AppendMeals(seventh, {soup, cafe}));
    // Numbers the export rounds: 1.5 of 118 g at 0.8912 kcal a gram is written as 157.74 kcal.
    MealEntry banana;
    banana.name = "Bananas, raw";
    banana.unit = "medium";
    banana.amount = 1.5f;
    banana.gramsPerUnit = 118.0f;
    banana.nutrients[Nutrient::Calories] = 0.8912f;
    banana.nutrients[Nutrient::Protein] = 0.01093f;
    QVERIFY(from.store->AppendMeals(eighth, {banana}));
    QVERIFY(from.store->SaveWeight(eighth, "72.35"));
    QVERIFY(from.store->SaveNote(seventh, "=Line one\n  indented, with comma"));
    // Written as a German spreadsheet reads it: a comma as the decimal point.
    QVERIFY(
        DiaryExport::Write(*from.store, seventh, eighth, from.temp / "out", {}, {}, nullptr, {','})
            .ok);

    Diary to;
    const ImportPlan::Plan plan = ImportPlan::Make(
        *to.store,
        ImportPlan::ReadFiles({from.temp / "out/meals.csv", from.temp / "out/days.csv",
                               from.temp / "out/notes.csv"}));
    QVERIFY(plan.canApply());
    const ImportPlan::Outcome applied = ImportPlan::Apply(*to.store, plan);
    QVERIFY(applied.ok());

    const DayStore::Meals meals = to.store->LoadMeals(seventh);
    QCOMPARE(meals.entries.size(), std::size_t(2));
    QCOMPARE(meals.entries[1].name, std::string("-Caf\xc3\xa9 au lait"));
    QCOMPARE(meals.entries[1].unit, std::string("mug, 250 mL"));
    QCOMPARE(meals.entries[1].amount, 0.5f);
    QCOMPARE(meals.entries[0].amount * meals.entries[0].gramsPerUnit, 200.0f);
    QVERIFY(qAbs(meals.totals[Nutrient::Calories] - 162.5f) < 0.001f);
    QVERIFY(qAbs(meals.totals[Nutrient::Sodium] - 812.5f) < 0.001f);
    QVERIFY(qAbs(meals.totals[Nutrient::Calcium] - 125.0f) < 0.001f);
    QCOMPARE(to.store->LoadWeight(eighth), std::optional(72.35f));
    QCOMPARE(to.store->LoadWeight(seventh), std::nullopt);
    QCOMPARE(to.store->LoadNote(seventh).text, std::string("=Line one\n  indented, with comma"));

    // Imported back into the diary it came from, the export adds nothing twice.
    const ImportPlan::Plan back =
        ImportPlan::Make(*from.store, ImportPlan::ReadFiles({from.temp / "out/meals.csv"}));
    QCOMPARE(back.entries, std::size_t(0));
    QCOMPARE(back.entriesAlready, std::size_t(3));

    // Taken back, the import leaves the diary it went into as it was: empty.
    QCOMPARE(applied.changed.size(), std::size_t(4));
    for (const UndoStep &step : applied.changed)
        QVERIFY(step.restore().ok());
    for (const fs::path &file : {to.store->MealFile(seventh), to.store->MealFile(eighth),
                                 to.store->WeightFile(eighth), to.store->NoteFile(seventh)})
        QVERIFY2(!fs::exists(file), file.string().c_str());
}

// Entries added after the day's own, its weight kept, the note added below its note once.
void TestDiaryImport::existingDataKept()
{
    Diary diary;
    const Day fourth {4, 3, 2026};
    MealEntry apple;
    apple.name = "Apple";
    apple.unit = "medium";
    apple.amount = 1.0f;
    apple.gramsPerUnit = 180.0f;
    apple.nutrients[Nutrient::Calories] = 0.5f;
    QVERIFY(diary.store->AppendMeal(fourth, apple));
    QVERIFY(diary.store->SaveWeight(fourth, "70"));
    QVERIFY(diary.store->SaveNote(fourth, "Own words"));

    const auto files = [] {
        std::vector<ImportPlan::Source> sources;
        sources.push_back(source("servings.csv", kServings));
        sources.push_back(
            source("biometrics.csv",
                   "Day,Time,Group,Metric,Unit,Amount\n2026-03-04,07:00,,Weight,kg,72\n"));
        sources.push_back(source("notes.csv", "Day,Group,Note\n2026-03-04,,Imported words\n"));
        return sources;
    };
    const ImportPlan::Plan plan = ImportPlan::Make(*diary.store, files());
    QCOMPARE(plan.weights, std::size_t(0));
    QCOMPARE(plan.weightsKept, std::size_t(1));
    QCOMPARE(plan.notesAdded, std::size_t(1));
    const std::vector<std::string> preview = previewTexts(plan);
    QVERIFY(contains(preview, "Days that already have data: 2026-03-04"));
    QVERIFY(contains(preview, "    Days that keep the weight they already have: 1"));
    QVERIFY(ImportPlan::Apply(*diary.store, plan).ok());

    const DayStore::Meals meals = diary.store->LoadMeals(fourth);
    QCOMPARE(meals.entries.size(), std::size_t(3));
    QCOMPARE(meals.entries[0].name, std::string("Apple"));
    QCOMPARE(meals.entries[1].name, std::string("Oats, rolled (40.00 g)"));
    QCOMPARE(meals.totals[Nutrient::Calories], 450.75f);
    QCOMPARE(diary.store->LoadWeight(fourth), std::optional(70.0f));
    QCOMPARE(diary.store->LoadNote(fourth).text, std::string("Own words\n\nImported words"));

    // Made again, the import brings nothing twice.
    const ImportPlan::Plan again = ImportPlan::Make(*diary.store, files());
    QCOMPARE(again.entries, std::size_t(0));
    QCOMPARE(again.entriesAlready, std::size_t(3));
    QCOMPARE(again.notes, std::size_t(0));
    QVERIFY(!again.canApply());
}

void TestDiaryImport::garbageRefused()
{
    Diary diary;
    const ImportFile::Content png =
        ImportFile::Read(std::string("\x89PNG\r\n\x1a\n\0\0\xff\"x,,\r", 16));
    QCOMPARE(png.format, ImportFile::Format::Unknown);
    QVERIFY(png.problems.front().starts_with("Not a file Corvalo can import"));
    QCOMPARE(ImportFile::Read("").problems, std::vector<std::string> {"The file is empty."});

    const ImportFile::Content rows =
        ImportFile::Read("Date,Weight\n2026-02-30,70\n2026-02-01,seventy\n2026-02-02,71\n");
    QCOMPARE(rows.weights.size(), std::size_t(1));
    QCOMPARE(rows.problems,
             (std::vector<std::string> {
                 "Line 2 is left out: \"2026-02-30\" is not a date.",
                 "Line 3 is left out: \"seventy\" under Weight is not an amount."}));

    std::vector<ImportPlan::Source> sources = ImportPlan::ReadFiles({diary.temp / "missing.csv"});
    QVERIFY(sources.front().content.problems.front().starts_with("The file could not be read"));
    sources.push_back(source("servings.csv", kServings));
    const ImportPlan::Plan plan = ImportPlan::Make(*diary.store, std::move(sources));
    QVERIFY(!plan.canApply());
    QVERIFY(contains(previewTexts(plan), "Nothing is imported while a file is refused."));
    QVERIFY(ImportPlan::Apply(*diary.store, plan).ok());
    QVERIFY(!diary.store->HasMeals({4, 3, 2026}));
}

QTEST_GUILESS_MAIN(TestDiaryImport)
#include "tst_diaryimport.moc"
