// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"

#include <cstdint>

// The day chosen on the strip and the strip's run of days. Kept once, by the strip; the pages
// read it there rather than keeping copies that could fall behind.
struct DaySelection
{
    int m_day = 0; // 1-31
    int m_month = 0; // 1-12
    int m_year = 0;
    // The first day of the run, in seconds since 1970 (UTC), and how many days the run holds.
    std::int64_t m_firstDay = 0;
    int m_dayCount = 29;

    DayFiles::LocalDate selectedDay() const { return {m_day, m_month, m_year}; }
};
