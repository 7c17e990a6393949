// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/DiaryExport.h"

#include "export/CsvText.h"
#include "meals/NutrientText.h"
#include "nutrition/DayNutrition.h"
#include "platform/FileIo.h"
#include "platform/TextCodec.h"
#include "platform/UiText.h"
#include "store/ActivityDay.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace fs = std::filesystem;

namespace DiaryExport {

namespace {

// Nutrient indices in the panel's order, top to bottom.
std::array<int, Nutrient::Count> screenOrder()
{
    std::array<int, Nutrient::Count> order {};
    for (int k = 0; k < Nutrient::Count; ++k)
        order[std::size_t(NutrientText::ScreenRow(k))] = k;
    return order;
}

// "Carbohydrates (g)" from the panel's "Carbohydrates:" and "g".
std::string nutrientHeader(int nutrient)
{
    std::string label(NutrientText::Label(nutrient));
    if (!label.empty() && label.back() == ':')
        label.pop_back();
    const std::string_view unit = NutrientText::Unit(nutrient);
    if (!unit.empty())
        label += " (" + std::string(unit) + ")";
    return label;
}

void appendNutrients(std::vector<std::string> &fields, const Nutrients &values, char point)
{
    for (const int k : screenOrder())
        fields.push_back(CsvText::Number(values[k], 2, point));
}

// A day without meals has unknown totals, not zeros, so that averages over the cells stay true.
void appendNoNutrients(std::vector<std::string> &fields)
{
    fields.insert(fields.end(), Nutrient::Count, std::string());
}

bool isMore(const NutrientInfo &info)
{
    return info.stored < 0;
}

void appendMoreHeaders(std::vector<std::string> &fields)
{
    for (const NutrientInfo &info : NutrientCatalogue::all())
        if (isMore(info))
            fields.push_back(std::string(info.name) + " (" + std::string(info.unit) + ")");
}

template<typename Amount>
void appendMore(std::vector<std::string> &fields, const Amount &amount, char point)
{
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (!isMore(info))
            continue;
        const std::optional<double> value = amount(info.id);
        fields.push_back(value ? CsvText::Number(*value, 3, point) : std::string());
    }
}

// A figure kept as typed ("1.5"), in the file's numbers.
std::string figure(std::string text, char point)
{
    if (const std::size_t at = text.find('.'); at != std::string::npos)
        text[at] = point;
    return text;
}

// The note's LF breaks as CR LF, the record break RFC 4180 uses.
std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The phrase in the user's language, "%2" filled in before "%1", whose filling (a folder)
// may hold anything.
std::string phrase(const Translate &translate, const char *english, std::string_view first = {},
                   std::string_view second = {})
{
    std::string text = translate ? translate(english) : std::string(english);
    for (const auto &[mark, filling] : {std::pair {"%2", second}, std::pair {"%1", first}}) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, 2, filling);
    }
    return text;
}

bool realDate(const Day &day)
{
    return !DayFiles::DateKey(day.day, day.month, day.year).empty();
}

// The recipes as they are now, one record per ingredient; empty when there are none.
std::string recipesText(const RecipeBook &book, char point)
{
    const std::vector<Recipe> recipes = book.recipes();
    if (recipes.empty())
        return {};
    std::vector<std::string> header {"Recipe", "Since",  "Servings", "Weight (g)",
                                     "Food",   "Amount", "Unit",     "Grams"};
    for (const int k : screenOrder())
        header.push_back(nutrientHeader(k));
    std::string text = CsvText::Record(header);
    for (const Recipe &recipe : recipes) {
        for (const MealEntry &ingredient : recipe.ingredients) {
            std::vector<std::string> fields {
                CsvText::Text(TextCodec::ToUtf8(recipe.name)),
                IsoDate(recipe.since),
                CsvText::Number(recipe.servings, 3, point),
                CsvText::Number(recipe.totalGrams(), 2, point),
                CsvText::Text(TextCodec::ToUtf8(ingredient.name)),
                CsvText::Number(ingredient.amount, 3, point),
                CsvText::Text(TextCodec::ToUtf8(ingredient.unit)),
                CsvText::Number(double(ingredient.amount) * double(ingredient.gramsPerUnit), 2,
                                point)};
            appendNutrients(fields, ingredient.contributions(), point);
            text += CsvText::Record(fields);
        }
    }
    return text;
}

} // namespace

long long DayNumber(const Day &day)
{
    return DayFiles::DayNumber(day.year, day.month, day.day);
}

Day FromDayNumber(long long number)
{
    return DayFiles::DateOfDayNumber(number);
}

Texts Make(const DayStore &store, const Day &from, const Day &to, const Progress &progress,
           const Translate &translate, const NutrientLookup *lookup, const Format &format)
{
    const char point = format.decimalPoint;
    const FoodDatabase noFoods;
    const NutrientData noData;
    const NutrientLookup noLookup(noFoods, noData);
    if (!lookup)
        lookup = &noLookup;
    Texts result;
    if (!realDate(from) || !realDate(to)) {
        result.problems.push_back(
            phrase(translate,
                   CORVALO_UI_TEXT("DiaryExport", "The range must run between two real dates.")));
        return result;
    }
    const long long first = DayNumber(from);
    const long long last = DayNumber(to);
    if (first > last) {
        result.problems.push_back(
            phrase(translate,
                   CORVALO_UI_TEXT("DiaryExport",
                                   "The first day of the range comes after its last day.")));
        return result;
    }
    const int total = int(last - first + 1);

    std::vector<std::string> header {"Date", "Food", "Amount", "Unit", "Grams"};
    for (const int k : screenOrder())
        header.push_back(nutrientHeader(k));
    std::vector<std::string> more;
    appendMoreHeaders(more);
    header.insert(header.end(), more.begin(), more.end());
    std::string meals = CsvText::Record(header);

    header.erase(header.begin() + 1, header.begin() + 5);
    header.erase(header.end() - std::ptrdiff_t(more.size()), header.end());
    header.push_back("Weight");
    header.push_back("Note");
    header.insert(header.end(), more.begin(), more.end());
    std::string days = CsvText::Record(header);

    std::string notes = CsvText::Record({"Date", "Text"});
    std::string activities = CsvText::Record({"Date", "Activity", "Minutes", "Calories burned"});
    bool anyActivity = false;

    for (long long number = first; number <= last; ++number) {
        const Day day = FromDayNumber(number);
        const std::string date = IsoDate(day);

        const DayStore::Meals loaded = store.LoadMeals(day);
        // A day without meals may also be a pipe, a folder or a device in the file's place.
        if (const FileIo::Result read = loaded.readable && !loaded.entries.empty()
                ? FileIo::Result::success({})
                : Unreadable(store.MealFile(day), !loaded.readable);
            !read.ok()) {
            result.problems.push_back(
                phrase(translate,
                       CORVALO_UI_TEXT("DiaryExport",
                                       "%1: the meals could not be read (%2); what could be read "
                                       "is exported"),
                       date, SaveProblem::Reason(read, SaveProblem::Action::Load, translate)));
        }
        const DayNutrition nutrition(loaded.entries, *lookup, day);
        for (std::size_t i = 0; i < loaded.entries.size(); ++i) {
            const MealEntry &entry = loaded.entries[i];
            std::vector<std::string> fields {
                date, CsvText::Text(TextCodec::ToUtf8(entry.name)),
                CsvText::Number(entry.amount, 3, point),
                CsvText::Text(TextCodec::ToUtf8(entry.unit)),
                CsvText::Number(double(entry.amount) * double(entry.gramsPerUnit), 2, point)};
            appendNutrients(fields, entry.contributions(), point);
            const FoodNutrients &amounts = nutrition.entries()[i].amounts;
            appendMore(
                fields,
                [&amounts](int id) {
                    return amounts.known(id) ? std::optional(double(amounts.value(id)))
                                             : std::nullopt;
                },
                point);
            meals += CsvText::Record(fields);
        }

        const NoteFile::Note note = store.LoadNote(day);
        if (note.state == NoteFile::Note::State::Unreadable)
            result.problems.push_back(phrase(
                translate, CORVALO_UI_TEXT("DiaryExport", "%1: the note could not be read"), date));
        const bool hasNote = !note.text.empty();
        if (hasNote)
            notes += CsvText::Record({date, CsvText::Text(withCrLf(TextCodec::ToUtf8(note.text)))});

        ActivityDay active;
        if (const FileIo::Result read =
                ActivityDay::Load(store.DataFilePath(day, ActivityDay::Extension), active);
            !read.ok())
            result.problems.push_back(
                phrase(translate,
                       CORVALO_UI_TEXT("DiaryExport", "%1: the activities could not be read (%2)"),
                       date, SaveProblem::Reason(read, SaveProblem::Action::Load, translate)));
        for (const Activity &activity : active.activities()) {
            anyActivity = true;
            activities += CsvText::Record({date, CsvText::Text(TextCodec::ToUtf8(activity.name)),
                                           figure(ActivityDay::Figure(activity.minutes), point),
                                           figure(ActivityDay::Figure(activity.calories), point)});
        }

        std::vector<std::string> fields {date};
        if (loaded.entries.empty())
            appendNoNutrients(fields);
        else
            appendNutrients(fields, loaded.totals, point);
        const std::optional<float> weight = store.LoadWeight(day);
        if (const FileIo::Result read =
                weight ? FileIo::Result::success({}) : Unreadable(store.WeightFile(day));
            !read.ok())
            result.problems.push_back(phrase(
                translate, CORVALO_UI_TEXT("DiaryExport", "%1: the weight could not be read (%2)"),
                date, SaveProblem::Reason(read, SaveProblem::Action::Load, translate)));
        fields.push_back(weight ? CsvText::Number(*weight, 3, point) : std::string());
        fields.push_back(hasNote ? "yes" : "no");
        appendMore(
            fields, [&nutrition](int id) { return nutrition.totals().amount(id); }, point);
        days += CsvText::Record(fields);

        if (progress && !progress(int(number - first + 1), total)) {
            result.cancelled = true;
            return result;
        }
    }

    RecipeBook book;
    if (const FileIo::Result read = book.load(store.RecipesFile()); !read.ok())
        result.problems.push_back(
            phrase(translate, CORVALO_UI_TEXT("DiaryExport", "The recipes could not be read (%1)"),
                   SaveProblem::Reason(read, SaveProblem::Action::Load, translate)));
    const std::string recipes = recipesText(book, point);

    for (std::string *text : {&meals, &days, &notes})
        text->insert(0, CsvText::ByteOrderMark);
    result.files = {
        {MealsFile, std::move(meals)}, {DaysFile, std::move(days)}, {NotesFile, std::move(notes)}};
    if (!recipes.empty())
        result.files.emplace_back(RecipesFile, std::string(CsvText::ByteOrderMark) + recipes);
    if (anyActivity)
        result.files.emplace_back(ActivitiesFile, std::string(CsvText::ByteOrderMark) + activities);
    return result;
}

Result Write(const DayStore &store, const Day &from, const Day &to, const fs::path &folder,
             const Progress &progress, const Translate &translate, const NutrientLookup *lookup,
             const Format &format)
{
    Texts texts = Make(store, from, to, progress, translate, lookup, format);
    Result result;
    result.cancelled = texts.cancelled;
    result.problems = std::move(texts.problems);
    if (texts.cancelled || texts.files.empty())
        return result;

    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        result.problems.push_back(
            phrase(translate, CORVALO_UI_TEXT("DiaryExport", "Could not make the folder %1: %2"),
                   folder.string(),
                   SaveProblem::Reason(FileIo::Result::failure(folder, error.value()),
                                       SaveProblem::Action::Save, translate)));
        return result;
    }
    result.ok = true;
    std::vector<FileIo::Result> failed;
    for (const auto &[name, bytes] : texts.files) {
        const fs::path file = folder / name;
        const FileIo::Result written = FileIo::writeAtomically(file, bytes);
        if (written.ok())
            result.written.push_back(file);
        else
            failed.push_back(written);
    }
    // None written, all for one reason: the folder is what failed (no permission, a full disk).
    const auto reason = [&translate](const FileIo::Result &written) {
        return SaveProblem::Reason(written, SaveProblem::Action::Save, translate);
    };
    if (result.written.empty() && !failed.empty() &&
        std::all_of(failed.begin(), failed.end(), [&](const FileIo::Result &written) {
            return reason(written) == reason(failed.front());
        })) {
        result.ok = false;
        result.problems.push_back(phrase(
            translate, CORVALO_UI_TEXT("DiaryExport", "Could not write into the folder %1: %2"),
            folder.string(), reason(failed.front())));
        return result;
    }
    // Each file that failed by name, and whether the others were written.
    for (const FileIo::Result &written : failed) {
        result.ok = false;
        const std::string name = written.file.filename().string();
        const std::string why = SaveProblem::Reason(written, SaveProblem::Action::Save, translate);
        if (result.written.empty()) {
            result.problems.push_back(phrase(
                translate, CORVALO_UI_TEXT("DiaryExport", "%1 was not written: %2"), name, why));
            continue;
        }
        std::string others;
        for (const fs::path &file : result.written)
            others += (others.empty() ? "" : ", ") + file.filename().string();
        std::string text =
            phrase(translate, CORVALO_UI_TEXT("DiaryExport", "%1 was not written: %2. Written: %3"),
                   name, why);
        if (const std::size_t at = text.find("%3"); at != std::string::npos)
            text.replace(at, 2, others);
        result.problems.push_back(std::move(text));
    }
    return result;
}

Result Write(const fs::path &dataRoot, const Day &from, const Day &to, const fs::path &folder,
             const Progress &progress, const Translate &translate, const NutrientLookup *lookup,
             const Format &format)
{
    const DayStore store(dataRoot);
    return Write(store, from, to, folder, progress, translate, lookup, format);
}

FileIo::Result Unreadable(const fs::path &file, bool known)
{
    FileIo::Result read = FileIo::readable(file);
    if (read.problem == FileIo::Problem::Missing)
        return FileIo::Result::success(file);
    if (read.ok() && known)
        read = FileIo::Result::failure(file, FileIo::Problem::Unreadable);
    return read;
}

} // namespace DiaryExport
