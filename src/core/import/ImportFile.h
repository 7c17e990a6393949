// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "meals/Nutrients.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What another diary's export file holds, read into days, entries, weights and notes. The format
// is recognised by the file's header, and every column is found by its name, never by its
// place: the peers' nutrient columns depend on their users' settings.
//
//   Cronometer   servings.csv (Day, Time?, Group, Food Name, Amount, nutrients, Category),
//                biometrics.csv (Day, Time, Group, Metric, Unit, Amount; the "Weight" rows),
//                notes.csv (Day, Group, Note)
//   MyFitnessPal Nutrition-Summary (Date, Meal, Time?, Calories, ... one row of totals per meal;
//                Vitamin A, C, Calcium and Iron are a share of a daily value and are left out;
//                a Note cell is a note of the day),
//                Measurement-Summary (Date, Weight, no unit)
//   Corvalo      meals.csv, days.csv (its weights) and notes.csv as its export writes them
//
// Dates are YYYY-MM-DD or M/D/YYYY. A blank nutrient cell is unknown, not 0. A row that cannot
// be read is left out and said; a file whose header is none of these is refused.
namespace ImportFile {

using Day = DayFiles::LocalDate;

enum class Format {
    Unknown,
    CronometerServings,
    CronometerBiometrics,
    CronometerNotes,
    MyFitnessPalMeals,
    MyFitnessPalWeights,
    CorvaloMeals,
    CorvaloDays,
    CorvaloNotes,
};

struct Entry
{
    Day day;
    std::string name; // UTF-8
    std::array<std::optional<double>, Nutrient::Count> values {}; // what the row adds
    // Corvalo's own rows keep their amount, unit and grams.
    double amount = 1.0;
    std::string unit = "serving";
    std::optional<double> grams;
};

enum class WeightUnit { Unknown, Kilograms, Pounds };

struct Weight
{
    Day day;
    double value = 0.0;
    WeightUnit unit = WeightUnit::Unknown;
};

struct Note
{
    Day day;
    std::string text; // UTF-8, lines separated by LF
};

// Puts an English phrase into the user's language; without it phrases stay English.
using Translate = std::function<std::string(const char *phrase)>;

struct Content
{
    Format format = Format::Unknown;
    std::vector<Entry> entries;
    std::vector<Weight> weights;
    std::vector<Note> notes;
    // In user words: why the file is refused (format Unknown), or each row left out.
    std::vector<std::string> problems;
};

// The file's bytes, whatever they are; text that is not UTF-8 is read as Windows-1252.
Content Read(std::string_view bytes, const Translate &translate = {});

// The format's name for the preview ("Cronometer servings"), marked for translation.
std::string_view FormatName(Format format);

} // namespace ImportFile
