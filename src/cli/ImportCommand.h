// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <ostream>

class DayStore;

// corvalo-cli import: another diary's export files added to this one.
namespace ImportCommand {

struct Streams
{
    std::ostream &out;
    std::ostream &err;
};

// Prints the plan of command.files, then writes it unless command.dryRun. Returns the exit
// status: 1 when a file is refused or a write failed.
int Run(const CommandLine::Command &command, DayStore &store, const Streams &streams);

} // namespace ImportCommand
