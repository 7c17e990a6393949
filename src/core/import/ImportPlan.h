// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportFile.h"
#include "meals/MealEntry.h"
#include "store/UndoStep.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class DayStore;

// Files of another diary taken into this one: first a plan of what would be written, said to the
// user, then its application. Nothing already in the diary is replaced:
//   - imported entries are added after the entries a day already has; each carries its own ten
//     values (one serving of one gram), so that the day's totals are the source's; a day that
//     holds a day's imported entries already, one after the other and equal as the export
//     writes them (rounded), was imported before and gets none again;
//   - a day that already has a weight keeps it (the imported one is counted as kept);
//   - an imported note is added below a note the day already has, after a blank line, unless
//     that note holds its text already (an import made twice adds it once).
// When the files give weights in both kg and lbs, those in the less used unit are converted to
// the other; a diary keeps its weights as numbers without a unit. Several weights for one day:
// the last one counts.
namespace ImportPlan {

using Day = ImportFile::Day;
using Translate = ImportFile::Translate;

struct Source
{
    std::string name; // the file's name, as the preview shows it
    ImportFile::Content content;
};

// Each file read whole; one that cannot be read is a source without a format, saying why.
std::vector<Source> ReadFiles(const std::vector<std::filesystem::path> &files,
                              const Translate &translate = {});

struct DayPlan
{
    Day day;
    std::vector<MealEntry> entries;
    std::optional<double> weight;
    std::string note; // the imported text, empty for none
    bool hadMeals = false;
    bool hadWeight = false;
    bool hadNote = false;
};

struct Plan
{
    std::vector<Source> sources;
    std::vector<DayPlan> days; // in date order, only days with something to write or keep
    std::size_t entries = 0;
    std::size_t entriesAlready = 0; // in days imported before: not added again
    std::size_t weights = 0; // to be written
    std::size_t weightsKept = 0; // days that keep the weight they have
    std::size_t weightsConverted = 0;
    ImportFile::WeightUnit convertedTo = ImportFile::WeightUnit::Unknown;
    std::size_t notes = 0; // to be written, new or added below an existing note
    std::size_t notesAdded = 0; // of those, added below an existing note
    std::vector<Day> daysWithData; // days the diary already has something on
    // Any file refused (unreadable, or not a format Corvalo knows): nothing is imported then.
    bool refused = false;

    bool canApply() const { return !refused && (entries > 0 || weights > 0 || notes > 0); }
};

// Builds an entry of the diary from an imported row.
MealEntry MakeEntry(const ImportFile::Entry &entry);

Plan Make(const DayStore &store, std::vector<Source> sources);

struct Outcome
{
    std::size_t entries = 0;
    std::size_t weights = 0;
    std::size_t notes = 0;
    std::vector<std::string> problems; // in user words; empty when all was written
    // Each file the import changed, to take it back with (UndoStep).
    std::vector<UndoStep> changed;
    bool ok() const { return problems.empty(); }
};

// Writes the plan day by day through the store's locked writers: entries appended whole, a weight
// written only while the day still has none, a note added to what the file holds by then. A day
// that fails is said and the others are still written.
Outcome Apply(DayStore &store, const Plan &plan, const Translate &translate = {});

} // namespace ImportPlan
