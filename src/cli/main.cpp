// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"
#include "EmbeddedFoods.h"
#include "platform/DataFolders.h"

#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#define CORVALO_STDERR_IS_TERMINAL() (_isatty(2) != 0)
#else
#include <unistd.h>
#define CORVALO_STDERR_IS_TERMINAL() (isatty(STDERR_FILENO) != 0)
#endif

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLine::Parsed parsed = CommandLine::Parse(arguments);
    if (!parsed.command) {
        std::cerr << CommandLine::Program << ": " << parsed.error << '\n'
                  << CommandLine::UsageHint(parsed.topic);
        return Commands::UsageError;
    }

    const CommandLine::Command &command = *parsed.command;
    int status = Commands::Done;
    if (command.kind == CommandLine::Kind::Help) {
        std::cout << CommandLine::Help(command.topic);
    } else if (command.kind == CommandLine::Kind::Version) {
        std::cout << CommandLine::Program << ' ' << CORVALO_VERSION << '\n';
    } else {
        const Commands::Context context {
            .out = std::cout,
            .err = std::cerr,
            .executableFolder = DataFolders::ExecutableFolder(argc > 0 ? argv[0] : nullptr),
#ifdef CORVALO_INSTALLED
            .installed = true,
#else
            .installed = false,
#endif
            .foods = EmbeddedFoods::Records(),
            .foodTable = EmbeddedFoods::Table(),
            .nutrients = EmbeddedFoods::Nutrients(),
            .showProgress = CORVALO_STDERR_IS_TERMINAL(),
            .in = &std::cin,
        };
        status = Commands::Run(command, context);
    }

    // Output that could not be written (a full disk behind a redirection) is a failure too.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << CommandLine::Program << ": the output could not be written\n";
        return Commands::Failed;
    }
    return status;
}
