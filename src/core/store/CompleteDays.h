// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "platform/FileIo.h"

#include <string_view>

class DayStore;

// The days the person marked complete: all they ate is logged, so a report may count these
// alone. Each is a small file of its own beside the day's meals, "db/<day>.done", so that two
// computers marking different days never write the same file and a moved diary takes them along.
namespace CompleteDays {

inline constexpr std::string_view Extension = ".done";

// Whether the day is marked: its file is there and is a file.
bool IsComplete(const DayStore &store, const DayFiles::LocalDate &day);
// Marks or unmarks the day; a day already as asked is left alone.
[[nodiscard]] FileIo::Result Mark(const DayStore &store, const DayFiles::LocalDate &day,
                                  bool complete);

} // namespace CompleteDays
