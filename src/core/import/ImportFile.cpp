// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ImportFile.h"

#include "import/CsvReader.h"
#include "import/ImportRows.h"
#include "meals/NutrientText.h"
#include "platform/TextCodec.h"
#include "platform/UiText.h"
#include "store/NoteFile.h"

#include <limits>

namespace ImportFile {

namespace {

using ImportRows::Field;
using ImportRows::Header;
using ImportRows::Phrase;
using Columns = std::array<int, Nutrient::Count>;

Format importRecognise(const Header &header)
{
    const auto has = [&header](std::string_view name) {
        return header.has({name});
    };
    if (has("Date") && has("Food") && has("Unit") && has("Grams"))
        return Format::CorvaloMeals;
    if (has("Date") && has("Weight") && has("Note") && has("Calories"))
        return Format::CorvaloDays;
    if (has("Date") && has("Text"))
        return Format::CorvaloNotes;
    if (has("Day") && has("Food Name"))
        return Format::CronometerServings;
    if (has("Day") && has("Metric") && has("Amount"))
        return Format::CronometerBiometrics;
    if (has("Day") && has("Note"))
        return Format::CronometerNotes;
    if (has("Date") && has("Meal") && has("Calories"))
        return Format::MyFitnessPalMeals;
    if (has("Date") && has("Weight"))
        return Format::MyFitnessPalWeights;
    return Format::Unknown;
}

// Cronometer names its columns by its own words and units, in the order its user chose.
Columns cronometerColumns(const Header &h)
{
    Columns c {};
    c[Nutrient::Calories] = h.find({"Energy (kcal)"});
    c[Nutrient::Carbohydrates] = h.find({"Carbs (g)", "Carbohydrates (g)"});
    c[Nutrient::Fat] = h.find({"Fat (g)"});
    c[Nutrient::Protein] = h.find({"Protein (g)"});
    c[Nutrient::Fiber] = h.find({"Fiber (g)"});
    c[Nutrient::Calcium] = h.find({"Calcium (mg)"});
    c[Nutrient::Sodium] = h.find({"Sodium (mg)"});
    c[Nutrient::SaturatedFat] = h.find({"Saturated (g)", "Saturated Fat (g)"});
    c[Nutrient::Cholesterol] = h.find({"Cholesterol (mg)"});
    c[Nutrient::Sugars] = h.find({"Sugars (g)", "Sugar (g)"});
    return c;
}

// Its Calcium is a share of a daily value, which no amount in mg can be told from.
Columns myFitnessPalColumns(const Header &h)
{
    Columns c {};
    c[Nutrient::Calories] = h.find({"Calories"});
    c[Nutrient::Carbohydrates] = h.find({"Carbohydrates (g)", "Carbohydrates"});
    c[Nutrient::Fat] = h.find({"Fat (g)", "Fat"});
    c[Nutrient::Protein] = h.find({"Protein (g)", "Protein"});
    c[Nutrient::Fiber] = h.find({"Fiber", "Fiber (g)"});
    c[Nutrient::Calcium] = -1;
    c[Nutrient::Sodium] = h.find({"Sodium (mg)", "Sodium"});
    c[Nutrient::SaturatedFat] = h.find({"Saturated Fat", "Saturated Fat (g)"});
    c[Nutrient::Cholesterol] = h.find({"Cholesterol", "Cholesterol (mg)"});
    c[Nutrient::Sugars] = h.find({"Sugar", "Sugars", "Sugar (g)"});
    return c;
}

// The export's headers: the panel's label and unit, "Carbohydrates (g)", "Calories".
Columns corvaloColumns(const Header &h)
{
    Columns c {};
    for (int k = 0; k < Nutrient::Count; ++k) {
        std::string label(NutrientText::Label(k));
        if (!label.empty() && label.back() == ':')
            label.pop_back();
        const std::string_view unit = NutrientText::Unit(k);
        const std::string withUnit = label + " (" + std::string(unit.empty() ? "kcal" : unit) + ")";
        c[std::size_t(k)] = h.find({unit.empty() ? std::string_view(label) : withUnit, withUnit});
    }
    return c;
}

std::optional<Day> importDate(const CsvReader::Record &record, int column,
                              ImportRows::Problems &problems)
{
    const std::optional<Day> day = ImportRows::ParseDate(Field(record, column));
    if (!day)
        problems.rowLeftOut(record.line,
                            Phrase(problems.translate(),
                                   CORVALO_UI_TEXT("ImportFile", "\"%1\" is not a date"),
                                   {Field(record, column)}));
    return day;
}

// A cell of a number at or above 0 (blank: unknown); false when the row must be left out.
// Corvalo's own files may be written with a decimal comma, and never group thousands.
bool importCell(const CsvReader::Record &record, const Header &header, int column,
                std::optional<double> &out, ImportRows::Problems &problems, bool own)
{
    if (column < 0)
        return true;
    const ImportRows::Number number = ImportRows::ParseNumber(Field(record, column), own);
    if (!number.ok || (number.value && *number.value > double(std::numeric_limits<float>::max()))) {
        problems.rowLeftOut(
            record.line,
            Phrase(problems.translate(),
                   CORVALO_UI_TEXT("ImportFile", "\"%1\" under %2 is not an amount"),
                   {Field(record, column), header.name(column)}));
        return false;
    }
    out = number.value;
    return true;
}

void importEntries(const std::vector<CsvReader::Record> &records, const Header &header,
                   Format format, Content &content, ImportRows::Problems &problems)
{
    const bool cronometer = format == Format::CronometerServings;
    const bool own = format == Format::CorvaloMeals;
    const int dateColumn = header.find({cronometer ? "Day" : "Date"});
    const int nameColumn = header.find({cronometer ? "Food Name" : own ? "Food" : "Meal"});
    const int amountColumn = header.find({"Amount"});
    const int unitColumn = header.find({"Unit"});
    const int gramsColumn = header.find({"Grams"});
    const Columns columns = cronometer ? cronometerColumns(header)
        : own                          ? corvaloColumns(header)
                                       : myFitnessPalColumns(header);
    // Energy in kJ only, when the user asked Cronometer for kilojoules.
    const int kilojoules =
        cronometer && columns[Nutrient::Calories] < 0 ? header.find({"Energy (kJ)"}) : -1;
    const int noteColumn = format == Format::MyFitnessPalMeals ? header.find({"Note"}) : -1;

    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvReader::Record &record = records[r];
        const std::optional<Day> day = importDate(record, dateColumn, problems);
        if (!day)
            continue;
        Entry entry;
        entry.day = *day;
        bool whole = true;
        for (int k = 0; k < Nutrient::Count && whole; ++k)
            whole = importCell(record, header, columns[std::size_t(k)],
                               entry.values[std::size_t(k)], problems, own);
        if (whole && kilojoules >= 0) {
            std::optional<double> energy;
            whole = importCell(record, header, kilojoules, energy, problems, false);
            if (energy)
                entry.values[Nutrient::Calories] = *energy / 4.184;
        }
        std::optional<double> amount;
        if (whole && own) {
            whole = importCell(record, header, amountColumn, amount, problems, own) &&
                importCell(record, header, gramsColumn, entry.grams, problems, own);
        }
        if (!whole)
            continue;

        const std::string name(Field(record, nameColumn));
        if (cronometer) {
            const std::string_view eaten = Field(record, amountColumn);
            entry.name = name.empty() ? std::string("Food") : name;
            if (!eaten.empty())
                entry.name += " (" + std::string(eaten) + ")";
        } else if (own) {
            entry.name = name.empty() ? std::string("Food") : ImportRows::Unmarked(name);
            if (amount && *amount > 0.0) {
                entry.amount = *amount;
                entry.unit = ImportRows::Unmarked(Field(record, unitColumn));
            }
        } else {
            entry.name = (name.empty() ? std::string("Meal") : name) + " (imported)";
            const std::string_view note = Field(record, noteColumn);
            if (!note.empty())
                content.notes.push_back({*day, NoteFile::FromFileBytes(note)});
        }
        content.entries.push_back(std::move(entry));
    }
}

void importWeights(const std::vector<CsvReader::Record> &records, const Header &header,
                   Format format, Content &content, ImportRows::Problems &problems)
{
    const bool cronometer = format == Format::CronometerBiometrics;
    const int dateColumn = header.find({cronometer ? "Day" : "Date"});
    const int valueColumn = header.find({cronometer ? "Amount" : "Weight"});
    const int metricColumn = header.find({"Metric"});
    const int unitColumn = header.find({"Unit"});
    std::size_t otherMetrics = 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvReader::Record &record = records[r];
        Weight weight;
        if (cronometer) {
            if (ImportRows::Header({std::string(Field(record, metricColumn))}).find({"Weight"}) <
                0) {
                ++otherMetrics;
                continue;
            }
            const Header unit({std::string(Field(record, unitColumn))});
            weight.unit = unit.has({"kg"})                  ? WeightUnit::Kilograms
                : unit.has({"lbs", "lb", "pounds", "lbs."}) ? WeightUnit::Pounds
                                                            : WeightUnit::Unknown;
        }
        const std::optional<Day> day = importDate(record, dateColumn, problems);
        if (!day)
            continue;
        std::optional<double> value;
        if (!importCell(record, header, valueColumn, value, problems,
                        format == Format::CorvaloDays))
            continue;
        // The export of a day without a weight leaves the cell empty.
        if (!value || !(*value > 0.0))
            continue;
        weight.day = *day;
        weight.value = *value;
        content.weights.push_back(weight);
    }
    if (otherMetrics > 0)
        content.problems.push_back(Phrase(
            problems.translate(),
            CORVALO_UI_TEXT("ImportFile", "Measurements other than weight, not imported: %1"),
            {std::to_string(otherMetrics)}));
}

void importNotes(const std::vector<CsvReader::Record> &records, const Header &header, Format format,
                 Content &content, ImportRows::Problems &problems)
{
    const bool cronometer = format == Format::CronometerNotes;
    const int dateColumn = header.find({cronometer ? "Day" : "Date"});
    const int textColumn = header.find({cronometer ? "Note" : "Text"});
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvReader::Record &record = records[r];
        const std::optional<Day> day = importDate(record, dateColumn, problems);
        if (!day)
            continue;
        const std::string_view field = Field(record, textColumn);
        std::string text =
            NoteFile::FromFileBytes(cronometer ? std::string(field) : ImportRows::Unmarked(field));
        if (!text.empty())
            content.notes.push_back({*day, std::move(text)});
    }
}

} // namespace

Content Read(std::string_view bytes, const Translate &translate)
{
    Content content;
    const std::string text = TextCodec::ToUtf8(bytes);
    const std::vector<CsvReader::Record> records = CsvReader::Parse(text);
    if (records.empty()) {
        content.problems.push_back(
            Phrase(translate, CORVALO_UI_TEXT("ImportFile", "The file is empty.")));
        return content;
    }
    const Header header(records.front().fields);
    content.format = importRecognise(header);
    ImportRows::Problems problems(content.problems, translate);
    switch (content.format) {
    case Format::Unknown:
        content.problems.push_back(
            Phrase(translate,
                   CORVALO_UI_TEXT("ImportFile",
                                   "Not a file Corvalo can import: its first line names none of "
                                   "the columns of Cronometer's, MyFitnessPal's or Corvalo's "
                                   "export.")));
        break;
    case Format::CronometerServings:
    case Format::MyFitnessPalMeals:
    case Format::CorvaloMeals:
        importEntries(records, header, content.format, content, problems);
        break;
    case Format::CronometerBiometrics:
    case Format::MyFitnessPalWeights:
    case Format::CorvaloDays:
        importWeights(records, header, content.format, content, problems);
        break;
    case Format::CronometerNotes:
    case Format::CorvaloNotes:
        importNotes(records, header, content.format, content, problems);
        break;
    }
    return content;
}

std::string_view FormatName(Format format)
{
    switch (format) {
    case Format::CronometerServings:
        return CORVALO_UI_TEXT("ImportFile", "Cronometer servings");
    case Format::CronometerBiometrics:
        return CORVALO_UI_TEXT("ImportFile", "Cronometer biometrics");
    case Format::CronometerNotes:
        return CORVALO_UI_TEXT("ImportFile", "Cronometer notes");
    case Format::MyFitnessPalMeals:
        return CORVALO_UI_TEXT("ImportFile", "MyFitnessPal nutrition summary");
    case Format::MyFitnessPalWeights:
        return CORVALO_UI_TEXT("ImportFile", "MyFitnessPal measurements");
    case Format::CorvaloMeals:
        return CORVALO_UI_TEXT("ImportFile", "Corvalo meals");
    case Format::CorvaloDays:
        return CORVALO_UI_TEXT("ImportFile", "Corvalo days");
    case Format::CorvaloNotes:
        return CORVALO_UI_TEXT("ImportFile", "Corvalo notes");
    case Format::Unknown:
        break;
    }
    return "unknown";
}

} // namespace ImportFile
