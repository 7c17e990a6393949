// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCommand.h"

#include "Commands.h"
#include "import/ImportPlan.h"
#include "import/ImportPreview.h"
#include "store/DayStore.h"

namespace ImportCommand {

int Run(const CommandLine::Command &command, DayStore &store, const Streams &streams)
{
    const ImportPlan::Plan plan = ImportPlan::Make(store, ImportPlan::ReadFiles(command.files));
    // What is refused or left out goes where a script's reader looks for trouble.
    for (const ImportPreview::Line &line : ImportPreview::Lines(plan))
        (line.problem ? streams.err : streams.out) << line.text << '\n';
    if (plan.refused) {
        streams.err << CommandLine::Program << ": nothing imported: a file is refused\n";
        return Commands::Failed;
    }
    if (command.dryRun || !plan.canApply())
        return Commands::Done;

    const ImportPlan::Outcome outcome = ImportPlan::Apply(store, plan);
    streams.out << "Imported entries: " << outcome.entries << ", weights: " << outcome.weights
                << ", notes: " << outcome.notes << '\n';
    for (const std::string &problem : outcome.problems)
        streams.err << CommandLine::Program << ": " << problem << '\n';
    return outcome.ok() ? Commands::Done : Commands::Failed;
}

} // namespace ImportCommand
