// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"

#include <optional>
#include <string_view>

// The days a user may name in words, as the command line takes them: "today", "yesterday",
// "-N" (N days back, "-1" is yesterday), a weekday's name or its first three letters, in
// either case ("monday", "Mon": the most recent such day, today counting, so "monday" on a
// Monday is today), and YYYY-MM-DD. Days outside the years 1000 to 9999 are none.
namespace DateWords {

std::optional<DayFiles::LocalDate> Read(std::string_view text, const DayFiles::LocalDate &today);

// Today as the project's clock has it, in local time.
DayFiles::LocalDate Today();

// The day `days` before `date` (after it when negative); nothing outside the years 1000 to 9999.
std::optional<DayFiles::LocalDate> DaysBefore(const DayFiles::LocalDate &date, long long days);

} // namespace DateWords
