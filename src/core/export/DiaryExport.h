// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "store/SaveProblem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class DayStore;
class NutrientLookup;

// A range of days written out as three CSV files (CsvText: RFC 4180, CR LF, UTF-8 after a byte
// order mark so that spreadsheets know it, "." as the decimal point whatever the locale unless
// Format asks for the comma), each with a header record:
//
//   meals.csv  one record per meal entry: Date (YYYY-MM-DD), Food, Amount, Unit, Grams (mL for
//              foods measured by volume), what the entry adds of the ten nutrients, then of
//              every other catalogue nutrient
//   days.csv   one record per day of the range: Date, the ten totals (empty when the day has no
//              meals), Weight (empty when the day has none), Note ("yes" when the day has a note
//              that is not empty, else "no"), then the day's total of every other catalogue
//              nutrient
//   notes.csv  Date and Text for each day with a note that is not empty; line breaks as CR LF
//   recipes.csv  only when the diary has recipes: one record per ingredient of each recipe as
//              it is now: Recipe, Since (YYYY-MM-DD), Servings, Weight (g), Food, Amount, Unit,
//              Grams and what the ingredient adds of the ten nutrients
//   activities.csv  only when a day of the range holds activities: one record per activity:
//              Date, Activity, Minutes, Calories burned, as typed (ActivityDay)
//
// The ten nutrients come in the panel's order (calories, carbohydrates, protein, fat, saturated
// fat, cholesterol, fibre, sugars, sodium, calcium); the others in the catalogue's, headed
// "Vitamin C (mg)". An entry's other nutrients come from its food found by name
// (NutrientLookup::entry), a day's from the entries that know them (NutrientTotals); an unknown
// one is an empty cell, never 0. Names, units and notes that a spreadsheet would take for a
// formula are marked as text (CsvText::Text). The ten and grams are rounded to 2 decimals, amounts,
// weights and the other nutrients to 3, trailing zeros dropped. Names and notes that older programs
// wrote in 8-bit Western text are converted to UTF-8.
//
// Every day is read before anything is written; each file is then replaced whole (FileIo), so a
// failure or a cancel never leaves a partial file.
namespace DiaryExport {

using Day = DayFiles::LocalDate;

inline constexpr const char *MealsFile = "meals.csv";
inline constexpr const char *DaysFile = "days.csv";
inline constexpr const char *NotesFile = "notes.csv";
inline constexpr const char *RecipesFile = "recipes.csv";
inline constexpr const char *ActivitiesFile = "activities.csv";

// Called after each day read with the days done and the days in the range; false cancels.
using Progress = std::function<bool(int done, int total)>;
// Puts the English phrases of the problems (marked for translation under "DiaryExport", and
// SaveProblem's) into the user's language; without it they stay English.
using Translate = SaveProblem::Translate;

// How the numbers are written: with the full stop, or with the comma that spreadsheets set to
// languages such as German read (such a field is quoted, as it holds the separator).
struct Format
{
    char decimalPoint = '.';
};

// The files' names and bytes, in the order they are written, and what could not be read.
struct Texts
{
    bool cancelled = false;
    std::vector<std::string> problems;
    std::vector<std::pair<std::string, std::string>> files;
};

struct Result
{
    bool ok = false; // every file was written (some days may still have had problems)
    bool cancelled = false; // nothing was written
    std::vector<std::filesystem::path> written;
    // In user words, one per problem: a day that could not be read whole (its readable part is
    // exported), a file that could not be written and why, a range that makes no sense.
    std::vector<std::string> problems;
};

// The files of the days from `from` to `to` inclusive (both real dates), made in memory; none
// for a range that makes no sense or a cancel.
Texts Make(const DayStore &store, const Day &from, const Day &to, const Progress &progress = {},
           const Translate &translate = {}, const NutrientLookup *lookup = nullptr,
           const Format &format = {});

// Days from `from` to `to` inclusive (both real dates) from the store into `folder`, created
// when missing. The store is not thread-safe: on another thread, use the overload below, which
// reads through a store of its own.
// Without a lookup no entry knows a nutrient beyond its ten.
Result Write(const DayStore &store, const Day &from, const Day &to,
             const std::filesystem::path &folder, const Progress &progress = {},
             const Translate &translate = {}, const NutrientLookup *lookup = nullptr,
             const Format &format = {});

// The same from the diary in `dataRoot` (the folder holding db/ and note/, the parent of the
// store's dataDirectory()). Touches nothing but files, so it may run on any thread, also while
// the window's own store writes the same folder (its rewrites replace files whole).
// The lookup too may be used on any thread as long as nothing changes it.
Result Write(const std::filesystem::path &dataRoot, const Day &from, const Day &to,
             const std::filesystem::path &folder, const Progress &progress = {},
             const Translate &translate = {}, const NutrientLookup *lookup = nullptr,
             const Format &format = {});

// "YYYY-MM-DD" of a date, and back: exactly that shape, and a real date.
using DayFiles::IsoDate;
using DayFiles::ParseIsoDate;

// Why a day's file that is there cannot be read; ok when it can, or when there is none. `known`
// says that the reader already found it unreadable, whatever the reason.
FileIo::Result Unreadable(const std::filesystem::path &file, bool known = false);

// The day count of a date since 1970-01-01 in the proleptic Gregorian calendar, and back.
long long DayNumber(const Day &day);
Day FromDayNumber(long long number);

} // namespace DiaryExport
