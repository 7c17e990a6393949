// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <span>

// Carries out a parsed command on the diary: the core does the work, this says what came of it.
namespace Commands {

inline constexpr int Done = 0;
inline constexpr int Failed = 1; // said on the error stream
inline constexpr int UsageError = 2;

struct Context
{
    std::ostream &out;
    std::ostream &err;
    std::filesystem::path executableFolder;
    bool installed = false; // keeps its diary in the per-user folder only
    // The food database as the build makes it (records and their table).
    std::span<const std::uint8_t> foods;
    std::span<const std::uint8_t> foodTable;
    std::span<const std::uint8_t> nutrients; // the nutrient side table
    bool showProgress = false; // the error stream is a terminal
    std::istream *in = nullptr; // standard input, for note DATE -
};

int Run(const CommandLine::Command &command, const Context &context);

} // namespace Commands
