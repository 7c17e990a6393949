// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "nutrition/ReferenceIntakes.h"
#include "store/ActivityDay.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the user asked corvalo-cli to do, read from its arguments. Everything that can be told
// from the arguments alone is checked here; a mistake gives a usage error in words.
namespace CommandLine {

inline constexpr std::string_view Program = "corvalo-cli";

enum class Kind {
    Help,
    Version,
    Search,
    Day,
    Add,
    Weight,
    Note,
    Delete,
    Edit,
    Export,
    Conflicts,
    Merge,
    Where,
    Report,
    Recipe,
    Complete,
    Activity,
    Import
};

struct Command
{
    Kind kind = Kind::Help;
    std::string topic; // Help: the command it is about, empty for the program
    std::filesystem::path dataFolder; // --data, empty for the usual rule
    std::optional<bool> bestMatchesFirst; // search --best or --az; else the diary's setting
    std::string text; // search: the words; add: the food's name or words; recipe: its name
    std::string action; // recipe: list, show, save or delete
    double servings = 0.0; // recipe save: above zero
    std::optional<double> cookedWeight; // recipe save --weight: grams above zero
    std::optional<DayFiles::LocalDate> date; // day (nothing: today), add, weight, note, recipe save
    std::string amount; // add: with a point; an amount that may be typed; edit: the same
    std::string unit; // add: the unit's name or first words; empty when not given
    std::size_t entry = 0; // del, edit: the entry's number as day lists it, from 1
    std::optional<std::string> note; // note: the new text
    bool noteFromInput = false; // note DATE -: the new text from standard input
    std::optional<std::string> weight; // weight: set to this; a weight above zero
    DayFiles::LocalDate from, to; // export, report
    std::filesystem::path folder; // export; "-" for standard output
    std::string exportFile = "meals"; // export --file: the one file standard output gets
    std::optional<char> decimalPoint; // export --decimal-comma or --decimal-point
    bool dryRun = false; // merge, import: print, write nothing
    std::vector<std::filesystem::path> files; // import
    std::string keep; // merge: "ours", "theirs", or empty to join both
    bool all = false; // day, report: every nutrient of the food data
    bool json = false; // day, report
    bool tsv = false; // day: the entries as tab-separated lines
    bool completeOnly = false; // report --complete: only the days marked complete
    std::optional<bool> complete; // complete DATE yes|no: mark or unmark; nothing: print
    // activity DATE NAME MINUTES KCAL: the activity to add; nothing: print the day's
    std::optional<::Activity> activity;
    int nutrient = -1; // report --nutrient: the catalogue id whose top foods are listed too
    std::optional<ReferenceIntakes::Profile> profile; // day, report: --sex and --age
};

struct Parsed
{
    std::optional<Command> command;
    std::string error; // the usage error when there is no command
    std::string topic; // the command the error is about, for a pointer to its help
};

// The arguments without the program's name.
Parsed Parse(const std::vector<std::string> &arguments);

// The text between double quotes, as messages show what the user typed.
inline std::string InQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// A real date written YYYY-MM-DD (years 1000 to 9999), or a day named in words as DateWords
// reads them (today, yesterday, -7, monday) by the clock; else nothing.
std::optional<DayFiles::LocalDate> ParseDate(std::string_view text);

// The help text for a command ("add"), or for the program when the topic is empty. Empty for an
// unknown topic.
std::string Help(std::string_view topic);

// The lines that tell a user who erred where to look: the usage and a pointer to --help.
std::string UsageHint(std::string_view topic);

} // namespace CommandLine
