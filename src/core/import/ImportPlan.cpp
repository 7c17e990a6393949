// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ImportPlan.h"

#include "import/ImportRows.h"
#include "platform/FileIo.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "platform/UiText.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace ImportPlan {

namespace {

using ImportFile::WeightUnit;

constexpr double kKilogramsPerPound = 0.45359237;

// Export files are a few megabytes for decades of days; anything larger is not one.
constexpr std::uintmax_t kMaxImportBytes = 256u * 1024 * 1024;

std::int64_t planDayNumber(const Day &day)
{
    return DayFiles::DayNumber(day.year, day.month, day.day);
}

// The unit most weights give, when they give two; the others are converted to it.
WeightUnit planWeightUnit(const std::vector<Source> &sources)
{
    std::size_t kilograms = 0;
    std::size_t pounds = 0;
    for (const Source &source : sources) {
        for (const ImportFile::Weight &weight : source.content.weights) {
            kilograms += weight.unit == WeightUnit::Kilograms;
            pounds += weight.unit == WeightUnit::Pounds;
        }
    }
    if (kilograms == 0 || pounds == 0)
        return WeightUnit::Unknown;
    return pounds > kilograms ? WeightUnit::Pounds : WeightUnit::Kilograms;
}

// An entry as the export writes it: name, unit, amount, grams and the ten rounded as there. A
// diary's own export, imported again, is told by it though its numbers were rounded.
std::string planExportedKey(const MealEntry &entry)
{
    std::string key = TextCodec::ToUtf8(entry.name) + '\t' + TextCodec::ToUtf8(entry.unit) + '\t' +
        NumberText::fixed(entry.amount, 3) + '\t' +
        NumberText::fixed(double(entry.amount) * double(entry.gramsPerUnit), 2);
    const Nutrients contributions = entry.contributions();
    for (int k = 0; k < Nutrient::Count; ++k)
        key += '\t' + NumberText::fixed(contributions[std::size_t(k)], 2);
    return key;
}

// Whether the day's entries hold the imported ones already, one after the other, as the export
// would write them: the day was imported before.
bool planHoldsAlready(const std::vector<MealEntry> &stored, const std::vector<MealEntry> &imported)
{
    std::vector<std::string> storedKeys;
    for (const MealEntry &entry : stored)
        storedKeys.push_back(planExportedKey(entry));
    std::vector<std::string> importedKeys;
    for (const MealEntry &entry : imported)
        importedKeys.push_back(planExportedKey(entry));
    return std::search(storedKeys.begin(), storedKeys.end(), importedKeys.begin(),
                       importedKeys.end()) != storedKeys.end();
}

} // namespace

std::vector<Source> ReadFiles(const std::vector<std::filesystem::path> &files,
                              const Translate &translate)
{
    std::vector<Source> sources;
    for (const std::filesystem::path &file : files) {
        Source source;
        source.name = file.filename().string();
        std::string bytes;
        if (const FileIo::Result read = FileIo::read(file, bytes, kMaxImportBytes); !read.ok()) {
            source.content.problems.push_back(ImportRows::Phrase(
                translate, CORVALO_UI_TEXT("ImportFile", "The file could not be read: %1."),
                {SaveProblem::Reason(read, SaveProblem::Action::Load, translate)}));
        } else {
            source.content = ImportFile::Read(bytes, translate);
        }
        sources.push_back(std::move(source));
    }
    return sources;
}

MealEntry MakeEntry(const ImportFile::Entry &imported)
{
    MealEntry entry;
    entry.name = imported.name;
    // Corvalo's own rows keep their portion; the values are then per gram of it.
    const bool portion = imported.grams && *imported.grams > 0.0 && imported.amount > 0.0 &&
        IsStorableAmount(imported.amount) && IsStorableAmount(*imported.grams / imported.amount);
    if (portion) {
        entry.unit = imported.unit;
        entry.amount = float(imported.amount);
        entry.gramsPerUnit = float(*imported.grams / imported.amount);
        bool fits = true;
        for (int k = 0; k < Nutrient::Count; ++k) {
            const std::optional<double> &value = imported.values[std::size_t(k)];
            entry.nutrients[std::size_t(k)] = value ? float(*value / *imported.grams) : 0.0f;
            fits = fits && std::isfinite(entry.contribution(k));
        }
        if (fits)
            return entry;
    }
    entry.unit = "serving";
    entry.amount = 1.0f;
    entry.gramsPerUnit = 1.0f;
    for (int k = 0; k < Nutrient::Count; ++k) {
        const std::optional<double> &value = imported.values[std::size_t(k)];
        entry.nutrients[std::size_t(k)] = value ? float(*value) : 0.0f;
    }
    return entry;
}

Plan Make(const DayStore &store, std::vector<Source> sources)
{
    Plan plan;
    std::map<std::int64_t, DayPlan> days;
    const auto dayOf = [&days](const Day &day) -> DayPlan & {
        DayPlan &planned = days[planDayNumber(day)];
        planned.day = day;
        return planned;
    };
    const WeightUnit unit = planWeightUnit(sources);
    plan.convertedTo = unit;
    for (const Source &source : sources) {
        if (source.content.format == ImportFile::Format::Unknown)
            plan.refused = true;
        for (const ImportFile::Entry &entry : source.content.entries)
            dayOf(entry.day).entries.push_back(MakeEntry(entry));
        for (const ImportFile::Weight &weight : source.content.weights) {
            double value = weight.value;
            if (unit != WeightUnit::Unknown && weight.unit != WeightUnit::Unknown &&
                weight.unit != unit) {
                value = unit == WeightUnit::Kilograms ? value * kKilogramsPerPound
                                                      : value / kKilogramsPerPound;
                ++plan.weightsConverted;
            }
            dayOf(weight.day).weight = value;
        }
        for (const ImportFile::Note &note : source.content.notes) {
            std::string &text = dayOf(note.day).note;
            if (text.find(note.text) != std::string::npos)
                continue;
            text += (text.empty() ? "" : "\n") + note.text;
        }
    }
    plan.sources = std::move(sources);

    for (auto &[number, day] : days) {
        day.hadMeals = store.HasMeals(day.day);
        const std::optional<float> weight = store.LoadWeight(day.day);
        day.hadWeight = weight.has_value();
        const NoteFile::Note note = store.LoadNote(day.day);
        day.hadNote = !note.text.empty() || note.state == NoteFile::Note::State::Unreadable;
        if (day.hadMeals || day.hadWeight || day.hadNote)
            plan.daysWithData.push_back(day.day);

        if (!day.entries.empty() && day.hadMeals &&
            planHoldsAlready(store.LoadMeals(day.day).entries, day.entries)) {
            plan.entriesAlready += day.entries.size();
            day.entries.clear();
        }
        plan.entries += day.entries.size();
        if (day.weight && day.hadWeight) {
            day.weight.reset();
            ++plan.weightsKept;
        }
        plan.weights += day.weight.has_value();
        if (!day.note.empty() && note.text.find(day.note) != std::string::npos)
            day.note.clear();
        if (!day.note.empty()) {
            ++plan.notes;
            plan.notesAdded += day.hadNote;
        }
        plan.days.push_back(std::move(day));
    }
    return plan;
}

Outcome Apply(DayStore &store, const Plan &plan, const Translate &translate)
{
    Outcome outcome;
    if (!plan.canApply())
        return outcome;
    const std::filesystem::path root = store.absoluteRootDirectory();
    const auto said = [&](const FileIo::Result &result) {
        outcome.problems.push_back(
            SaveProblem::Describe(result, root, SaveProblem::Action::Save, translate));
    };
    // Each write keeps what its file held before, so that the import can be taken back.
    const auto written = [&](const std::filesystem::path &file,
                             const std::function<FileIo::Result()> &write) {
        UndoStep::Done done = UndoStep::Run(file, write);
        if (!done.result.ok())
            said(done.result);
        else if (done.step)
            outcome.changed.push_back(std::move(*done.step));
        return done.result.ok();
    };
    for (const DayPlan &day : plan.days) {
        if (!day.entries.empty() && written(store.MealFile(day.day), [&] {
                return store.AppendMeals(day.day, day.entries);
            }))
            outcome.entries += day.entries.size();
        // Written only while the day has none: one stored meanwhile is kept.
        if (day.weight && written(store.WeightFile(day.day), [&] {
                return store.SaveShownWeight(day.day, NumberText::fixed(*day.weight, 3),
                                             std::nullopt);
            }))
            ++outcome.weights;
        if (!day.note.empty()) {
            // Added to what the file holds now, under its lock; a change made in between is
            // kept beside it by the note's writer.
            const NoteFile::Note note = store.LoadNote(day.day);
            if (note.state == NoteFile::Note::State::Unreadable) {
                said(FileIo::Result::failure(store.NoteFile(day.day), FileIo::Problem::Unreadable));
                continue;
            }
            if (note.text.find(day.note) != std::string::npos)
                continue;
            const std::string text = note.text.empty() ? day.note : note.text + "\n\n" + day.note;
            if (written(store.NoteFile(day.day), [&] {
                    const DayStore::NoteWrite write =
                        DayStore::WriteNote(store.NoteFile(day.day), text, {note.fingerprint});
                    store.NoteWritten(write);
                    return write.result;
                }))
                ++outcome.notes;
        }
    }
    return outcome;
}

} // namespace ImportPlan
