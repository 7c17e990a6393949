// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "RecipeCommands.h"

// A day's changes on the command line beside adding: complete DATE [yes|no], activity DATE
// [NAME MINUTES KCAL], and del DATE N and edit DATE N AMOUNT on the day's entries. Each returns
// the exit status.
namespace DayCommands {

int Complete(const CommandLine::Command &command, const RecipeCommands::Diary &diary);
int Activity(const CommandLine::Command &command, const RecipeCommands::Diary &diary);
// Entry N as the day lists it now, removed or given the new amount under the file's lock; what
// another writer stored meanwhile stays, and an entry that changed meanwhile is left alone.
int ChangeEntry(const CommandLine::Command &command, const RecipeCommands::Diary &diary);

// day --json and day --tsv: the day for other programs. JSON: the date, the entries (numbered
// as del and edit take them) with what each adds of the ten, the totals, the weight, the calories
// burned and the note, null where there is none. TSV: a header line, then an entry a line.
int PrintForPrograms(const CommandLine::Command &command, const RecipeCommands::Diary &diary);

} // namespace DayCommands
