// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <array>

// The help texts, each within 80 columns.
namespace CommandLine {

namespace {

struct Topic
{
    std::string_view name;
    std::string_view help;
};

constexpr std::string_view ProgramHelp =
    R"(Usage: corvalo-cli [--data DIR] COMMAND [ARGUMENTS]

Reads and writes the diary of Corvalo, the food diary, from the shell.

Commands:
  search [--best] WORDS...   the foods whose words begin with the WORDS, and
                             their units
  day [DATE] [--all|--json|--tsv]
                             a day's meals, numbered, and totals
  add [DATE] FOOD... AMOUNT [UNIT...]
                             log a portion of a food or a recipe, as Add in the
                             window
  recipe list | show NAME | save NAME --servings N --from DATE | delete NAME
                             your recipes: list, show, make of a day's meals
                             (or change), delete
  weight [DATE] [VALUE]      print a day's weight, or store VALUE as it
  note [DATE] [TEXT... | -]  print a day's diary note, or write it
  del DATE N                 remove entry N of a day, as day numbers them
  edit DATE N AMOUNT         change the amount of entry N of a day
  complete DATE [yes|no]     whether all of a day is logged, or mark it so
  activity DATE [NAME MINUTES KCAL]
                             a day's activities and calories burned, or add one
  conflicts                  list the copies a sync engine made of changed days
  merge DATE [--dry-run] [--keep ours|theirs]
                             join a day's conflict copies into the day
  report --from DATE --to DATE [--all] [--json] [--nutrient KEY] [--complete]
                             averages per logged day, goals met, top foods
                             and the change of weight
  export --from DATE --to DATE DIR|-
                             write meals.csv, days.csv and notes.csv of the
                             days into DIR, and recipes.csv
  import [--dry-run] FILE... add the days of Cronometer's, MyFitnessPal's or
                             Corvalo's export files to the diary
  where                      print the diary folder and why it is that one
  help [COMMAND]             this text, or the help of a command

Options:
  --data DIR    the diary in DIR, the folder that holds db/ and note/
  -h, --help    help (after a command: the help of that command)
  --version     the version

DATE is YYYY-MM-DD, today, yesterday, -N (N days back: -1 is yesterday) or a
weekday (monday or mon: the most recent one, today counting, so monday on a
Monday is today). Without DATE, add, weight, note and day take today.

Numbers take a full stop or a comma as the decimal point (72.5 or 72,5); a
comma before exactly three figures (1,000) could be a thousands separator and
is refused, as is anything that is not wholly a number. Amounts are at most
100000 and weights at most 1000.

The diary folder is the first of: --data DIR; the folder named by the
environment variable CORVALO_DATA (made at the first write); the folder chosen
in the window's Settings (remembered in ~/.config/Corvalo/diary-folder); db/
and note/ beside the program when both can be written; the per-user data
folder ~/.local/share/Corvalo/Corvalo ($XDG_DATA_HOME/Corvalo/Corvalo). An
installed copy never uses the folder beside the program.

Commands that only read (search, day, report, where, conflicts, note and
weight without a new value) make no folder and no file.

Exit status: 0 when done, 1 when something failed (the reason goes to standard
error), 2 for a mistake in the command line.
)";

constexpr std::array<Topic, 16> Topics {{
    {"search", R"(Usage: corvalo-cli search [--best | --az] WORDS...

Lists the foods the window lists for the WORDS (quoted or not), in the same
order, one a line: the name, a tab, and the food's units separated by " | ". A
food is listed when each word begins a word of its name; case does not matter
for A to Z.
Your own foods (myfoods.tsv) and recipes (recipes.tsv) are among them; a
recipe's line has a further field, "recipe".
When the words find fewer than five foods, the foods found by other spellings
("yoghurt", "milch") and by words a letter or two away ("chiken") follow;
their lines end with a further field, "close".

The order is the window's on this diary: best matches first unless
BestMatchesFirst=false was chosen there.
  --best    best matches first
  --az      A to Z
)"},
    {"day", R"(Usage: corvalo-cli day [DATE] [--all [--sex female|male --age N]]

Prints the meals of a day (numbered from 1 as del and edit take them, with
amount, unit and food, in the order they were logged), the totals of the ten
nutrients as the panel shows them, and the weight when the day has one.
Without DATE, today.

  --all         every nutrient the food data holds instead of the ten, by
                group. "-" when no food of the day gives it; when only some
                do, for foods giving how much of the day's calories it is
                known.
  --sex, --age  with --all: the person's daily target and upper limit beside
                each nutrient (Dietary Reference Intakes, National Academies,
                summary tables)
  --json        the day as JSON: date, entries (number, food, amount, unit,
                grams and what each adds of the ten), totals, weight, burned
                and note; null where the day has none
  --tsv         the entries as tab-separated lines under a header line
)"},
    {"report", R"(Usage: corvalo-cli report --from DATE --to DATE [--all] [--json]
                          [--nutrient KEY] [--complete]
                          [--sex female|male --age N]

Prints how many days from --from to --to (both included) are logged (have a
meal), the average of the ten nutrients per logged day, on how many logged
days each goal set in the window was met, the 10 foods that gave the most
calories, and the first and the last weight in the range with its change.

  --all         every nutrient the food data holds, as day --all shows it
  --json        the same as JSON on standard output
  --nutrient    also the 10 foods that gave the most of this nutrient, by its
                key (vitamin_c, iron, ...; the keys of report --all --json)
  --complete    count only the days marked complete (see complete)
  --sex, --age  with --all: the person's daily targets and upper limits
)"},
    {"add", R"(Usage: corvalo-cli add [DATE] FOOD... AMOUNT [UNIT...]

Logs AMOUNT UNIT of FOOD on DATE (today without it), exactly as Add in the
window does. AMOUNT is the first argument that is wholly a number; the words
before it name the food, those after it the unit.

FOOD is the name as the food list shows it (quoted), A to Z in either case,
or some words of it (quoted or not): then the food the search puts first with
best matches first, among those that have the unit, when it ranks above every
other. When the choice is not clear, the candidates are listed and nothing is
logged. UNIT is one of the food's units (see search) or its first words
(medium, cup); without UNIT a food's only unit. AMOUNT is above zero and at
most 100000, with a full stop or a comma as the decimal point.

FOOD may also name one of your recipes (see recipe); its units are serving,
whole recipe, g and oz. The entry keeps the recipe's values as they are now.

Examples: corvalo-cli add banana 1 medium
          corvalo-cli add yesterday apples raw 2 oz
          corvalo-cli add 2026-12-08 "Apple and milk" 1 serving
)"},
    {"recipe", R"(Usage: corvalo-cli recipe list
       corvalo-cli recipe show NAME
       corvalo-cli recipe save NAME --servings N --from DATE [--weight GRAMS]
       corvalo-cli recipe delete NAME

Your recipes, kept in recipes.tsv in the diary folder.

  list      one recipe a line: the name, a tab, its servings, weight and
            calories a serving
  show      the ingredients, servings, weight and the ten nutrients a serving
  save      every meal of DATE as the recipe NAME, made for N servings; the
            weight is the ingredients' sum, or GRAMS as cooked. When NAME is
            a recipe already, this changes it from today on.
  delete    removes the recipe from the list from today on

Days already logged never change: an entry keeps its values, and its other
nutrients come from the recipe as it was on that day. Log a recipe with add.
)"},
    {"weight", R"(Usage: corvalo-cli weight [DATE] [VALUE]

Prints the weight of DATE (today without it) as the window shows it, or stores
VALUE as the weight box does: a number above zero and at most 1000, with a
full stop or a comma as the decimal point (72.8 or 72,8), in any unit you like.
)"},
    {"complete", R"(Usage: corvalo-cli complete DATE [yes|no]

Prints whether DATE is marked complete (all that was eaten is logged), or marks
it (yes) or unmarks it (no). report --complete counts the marked days alone.
)"},
    {"activity", R"(Usage: corvalo-cli activity DATE [NAME MINUTES KCAL]

Prints the activities of DATE and the calories they burned, or adds one: its
name, how many minutes and the calories it burned, as you know them (a full
stop as the decimal point). What you ate on the day stays as it is.
)"},
    {"note", R"(Usage: corvalo-cli note [DATE] [TEXT... | -]

Prints the diary note of DATE (today without it) as UTF-8 text; nothing when
the day has no note. With TEXT (its words joined by spaces), or - for the text
of standard input, writes it as the day's note instead. The text it replaces
is printed on standard error; a note another writer stores meanwhile is kept
beside it as a conflict copy (see conflicts).
)"},
    {"del", R"(Usage: corvalo-cli del DATE N

Removes entry N of DATE as day DATE numbers them, and prints what it removed.
What another writer added to the day meanwhile stays; when the entry itself
changed or went meanwhile, nothing is removed and the exit status is 1.
)"},
    {"edit", R"(Usage: corvalo-cli edit DATE N AMOUNT

Gives entry N of DATE (as day DATE numbers them) the new AMOUNT of its unit,
as editing the amount in the window does. What another writer added to the day
meanwhile stays; when the entry itself changed or went meanwhile, nothing is
changed and the exit status is 1.
)"},
    {"export", R"(Usage: corvalo-cli export --from DATE --to DATE [--decimal-comma]
                   [--decimal-point] [--file NAME] DIR|-

Writes three CSV files of the days from --from to --to (both included) into
DIR, which is made when missing: meals.csv (one line per meal), days.csv (one
line per day: the totals, the weight and whether there is a note) and notes.csv
(the notes). Both meals.csv and days.csv end with a column for each nutrient
beyond the ten, as day --all counts them; an empty cell is unknown. When the
diary has recipes, recipes.csv holds one line per ingredient of each. Each
file is replaced whole; an existing one is never left half written. A day that
cannot be read whole is named on standard error and the exit status is 1, with
what could be read exported. Shows its progress on standard error when that is
a terminal.

The files start with a UTF-8 byte order mark. Numbers have the decimal point of
the locale (LC_ALL, LC_NUMERIC, LANG), as spreadsheets read them: 1,5 in
German, quoted; --decimal-comma or --decimal-point chooses. With - for DIR,
meals.csv goes to standard output without the mark; --file days, notes,
recipes or activities prints that file instead.
)"},
    {"import", R"(Usage: corvalo-cli import [--dry-run] FILE...

Adds the days of another diary's export to this one. Reads Cronometer's
servings.csv, biometrics.csv (the weights) and notes.csv, MyFitnessPal's
Nutrition-Summary and Measurement-Summary files, and Corvalo's own meals.csv,
days.csv (the weights) and notes.csv; the kind of each file is told by its
first line. Prints first what it would write: the days, entries, weights and
notes, the date range and the days that already have data. Each row becomes
an entry with its own ten values, added after the day's entries, so that the
day's totals are the file's; a day keeps a weight it has, and an imported note
goes below the day's note. A file that cannot be read or is of no known kind
stops the import before anything is written (exit status 1); rows that cannot
be read are left out and named on standard error. --dry-run prints and writes
nothing.
)"},
    {"conflicts", R"(Usage: corvalo-cli conflicts

Lists the conflict copies that a sync engine (Syncthing, Nextcloud, ownCloud,
Dropbox, Seafile, OneDrive) made of the diary's files when two computers
changed the same day before they met, and those Corvalo kept itself: one a
line, the day (YYYY-MM-DD, or - for your own foods and recipes), a tab, what
it holds (meals, weight, note, own-foods or recipes), a tab, and the copy's
file name.
)"},
    {"merge", R"(Usage: corvalo-cli merge DATE [--dry-run] [--keep ours|theirs]

Joins every conflict copy of DATE into the day and removes the copy once the
day is safely written: the meals of both sides (an entry that is the same on
both sides once, a portion logged twice on one side twice), the newer weight,
and both notes one after the other. With --keep ours the copies are dropped;
with --keep theirs each copy replaces the day's file. --dry-run prints what
the day would hold and writes nothing. Use "own-foods" as DATE for your own
foods, joined by name (the newer file's values where both have a food), and
"recipes" for your recipes, joined with every definition of both kept.
)"},
    {"where", R"(Usage: corvalo-cli [--data DIR] where

Prints the diary folder the window and corvalo-cli use, and on the next line
why it is that one: given with --data, set by CORVALO_DATA, chosen in Settings,
beside the program, or the per-user data folder. A chosen folder that is not
there (a disk not connected, a synced folder not yet made) is said on standard
error, and the folder used meanwhile is printed.
)"},
}};

const Topic *findTopic(std::string_view name)
{
    for (const Topic &topic : Topics) {
        if (topic.name == name)
            return &topic;
    }
    return nullptr;
}

} // namespace

std::string Help(std::string_view topic)
{
    if (topic.empty())
        return std::string(ProgramHelp);
    const Topic *found = findTopic(topic);
    return found ? std::string(found->help) : std::string();
}

std::string UsageHint(std::string_view topic)
{
    if (!topic.empty() && findTopic(topic))
        return "Try 'corvalo-cli " + std::string(topic) + " --help'.\n";
    return "Try 'corvalo-cli --help'.\n";
}

} // namespace CommandLine
