// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "NutritionCommands.h"

class DayStore;

// corvalo-cli report: a range of days at a glance.
namespace ReportCommand {

// Averages per logged day from command.from to command.to, the days each goal was met, the
// foods that gave the most calories (and of command.nutrient), the weight at both ends; as
// text or JSON. Returns the exit status.
int Run(const CommandLine::Command &command, const DayStore &store,
        const NutritionCommands::Foods &foods, const NutritionCommands::Targets &targets,
        const NutritionCommands::Streams &streams);

} // namespace ReportCommand
