// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"

#include <string>
#include <string_view>
#include <vector>

// The arguments of the commands for everyday logging: add, weight, note, del and edit, where
// the date may be left out or named in words and numbers are read as the window reads them.
// Each reader fills the command and returns the usage error, empty when there is none.
namespace DailyArguments {

std::string Add(const std::vector<std::string> &rest, CommandLine::Command &command);
std::string Weight(const std::vector<std::string> &rest, CommandLine::Command &command);
std::string Note(const std::vector<std::string> &rest, CommandLine::Command &command);
// del DATE N and edit DATE N AMOUNT, by command.kind.
std::string Entry(const std::vector<std::string> &rest, CommandLine::Command &command);

// What is wrong with a number typed for `name` as `what` ("amount"), at most `most`; empty when
// nothing, and then the number's text with a point is in `kept`.
std::string TypedProblem(const std::string &name, const std::string &typed, const char *what,
                         const char *example, double most, std::string &kept);

// Days back ("-7") are dates, not options.
bool DaysBack(std::string_view text);

// The arguments from `first` up to `end`, one space between.
std::string Joined(const std::vector<std::string> &words, std::size_t first, std::size_t end);

} // namespace DailyArguments
