#pragma once

#include "CommandLine.h"
#include "RecipeCommands.h"

// What a day holds beside its meals, on the command line: complete DATE [yes|no] and activity
// DATE [NAME MINUTES KCAL]. Each returns the exit status.
namespace DayCommands {

int Complete(const CommandLine::Command &command, const RecipeCommands::Diary &diary);
int Activity(const CommandLine::Command &command, const RecipeCommands::Diary &diary);

} // namespace DayCommands
