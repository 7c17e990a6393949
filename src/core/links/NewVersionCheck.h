// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// When the start-up prompt says that this version is outdated, and where it sends the user.
namespace NewVersionCheck {

inline constexpr std::string_view DownloadPage = "https://www.corvalo-diary.org/software.html";

// 12:00:01 local time on the given day of June 2014.
std::int64_t Threshold(int juneDay);

// The day of June 2014 from which this start prompts: 1 to 27, from the C library's generator
// seeded with the time, so that during June 2014 a random share of starts prompt.
int RandomDay(std::int64_t now);

// True when a start at `now` shows the prompt.
bool ShouldPrompt(std::int64_t now);

} // namespace NewVersionCheck
