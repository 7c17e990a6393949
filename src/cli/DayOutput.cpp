// SPDX-License-Identifier: GPL-3.0-or-later
// corvalo-cli day --json and day --tsv: a day for other programs to read.
#include "DayCommands.h"
#include "NutritionCommands.h"
#include "export/CsvText.h"
#include "export/DiaryExport.h"
#include "food/NutrientCatalogue.h"
#include "meals/NutrientText.h"
#include "platform/TextCodec.h"
#include "store/ActivityDay.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <ostream>
#include <vector>

namespace DayCommands {

namespace {

// The ten in the panel's order, with the keys report --json names them by.
struct Column
{
    int stored;
    std::string key;
};

std::vector<Column> dayOutputColumns()
{
    std::vector<Column> columns(Nutrient::Count);
    for (int k = 0; k < Nutrient::Count; ++k)
        columns[std::size_t(NutrientText::ScreenRow(k))] = {
            k, std::string(NutrientCatalogue::info(NutrientCatalogue::fromStored(k)).key)};
    return columns;
}

std::string jsonValues(const Nutrients &values, const std::vector<Column> &columns)
{
    std::string json = "{";
    for (std::size_t i = 0; i < columns.size(); ++i)
        json += (i ? ", " : "") + NutritionCommands::JsonString(columns[i].key) + ": " +
            NutritionCommands::PlainNumber(values[columns[i].stored]);
    return json + "}";
}

// Tabs and line breaks would split a field.
std::string tsvField(std::string text)
{
    for (char &c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

int PrintForPrograms(const CommandLine::Command &command, const RecipeCommands::Diary &diary)
{
    const DayFiles::LocalDate day = *command.date;
    const DayStore::Meals meals = diary.store.LoadMeals(day);
    const std::string date = DiaryExport::IsoDate(day);
    if (const FileIo::Result read =
            DiaryExport::Unreadable(diary.store.MealFile(day), !meals.readable);
        !read.ok()) {
        diary.err << CommandLine::Program << ": the meals of " << date << " could not be read ("
                  << SaveProblem::Reason(read, SaveProblem::Action::Load) << ")\n";
        return 1;
    }
    const std::vector<Column> columns = dayOutputColumns();
    std::ostream &out = diary.out;

    if (command.tsv) {
        out << "number\tfood\tamount\tunit\tgrams";
        for (const Column &column : columns)
            out << '\t' << column.key;
        out << '\n';
        for (std::size_t i = 0; i < meals.entries.size(); ++i) {
            const MealEntry &entry = meals.entries[i];
            out << i + 1 << '\t' << tsvField(TextCodec::ToUtf8(entry.name)) << '\t'
                << CsvText::Number(entry.amount, 3) << '\t'
                << tsvField(TextCodec::ToUtf8(entry.unit)) << '\t'
                << CsvText::Number(double(entry.amount) * double(entry.gramsPerUnit), 2);
            const Nutrients values = entry.contributions();
            for (const Column &column : columns)
                out << '\t' << CsvText::Number(values[column.stored], 2);
            out << '\n';
        }
        return 0;
    }

    out << "{\n  \"date\": " << NutritionCommands::JsonString(date) << ",\n  \"entries\": [";
    for (std::size_t i = 0; i < meals.entries.size(); ++i) {
        const MealEntry &entry = meals.entries[i];
        out << (i ? ",\n    " : "\n    ") << "{\"number\": " << i + 1
            << ", \"food\": " << NutritionCommands::JsonString(TextCodec::ToUtf8(entry.name))
            << ", \"amount\": " << NutritionCommands::PlainNumber(entry.amount)
            << ", \"unit\": " << NutritionCommands::JsonString(TextCodec::ToUtf8(entry.unit))
            << ", \"grams\": "
            << NutritionCommands::PlainNumber(double(entry.amount) * double(entry.gramsPerUnit))
            << ", \"nutrients\": " << jsonValues(entry.contributions(), columns) << "}";
    }
    out << (meals.entries.empty() ? "]" : "\n  ]") << ",\n  \"totals\": "
        << (meals.entries.empty() ? std::string("null") : jsonValues(meals.totals, columns));
    const std::optional<float> weight = diary.store.LoadWeight(day);
    out << ",\n  \"weight\": " << (weight ? NutritionCommands::PlainNumber(*weight) : "null");
    ActivityDay activities;
    const bool active =
        ActivityDay::Load(diary.store.DataFilePath(day, ActivityDay::Extension), activities).ok() &&
        !activities.activities().empty();
    out << ",\n  \"burned\": "
        << (active ? NutritionCommands::PlainNumber(activities.burned()) : "null");
    const NoteFile::Note note = diary.store.LoadNote(day);
    out << ",\n  \"note\": "
        << (note.text.empty() ? "null"
                              : NutritionCommands::JsonString(TextCodec::ToUtf8(note.text)))
        << "\n}\n";
    return 0;
}

} // namespace DayCommands
