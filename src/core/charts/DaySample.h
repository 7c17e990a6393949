// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// One point of a chart series: a day, stamped 12:00:01 local time, and its value (a weight as
// stored, or the day's calorie total).
struct DaySample
{
    std::int64_t date = 0;
    float value = 0.0f;
    bool operator==(const DaySample &) const = default;
};
