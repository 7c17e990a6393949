// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// Days as the diary counts them: local dates, the instant that stands for a day (12:00:01 local
// time) and the day key "%m-%d-%Y" that names a day's files.
namespace DayFiles {

inline constexpr std::int64_t SecondsPerDay = 86400;

// The local time of a timestamp; false when the system cannot convert it.
bool LocalTime(std::int64_t timestamp, std::tm &out);

// Local date of a timestamp as "%m-%d-%Y"; empty when it cannot be converted.
std::string DayKey(std::int64_t timestamp);

// "%m-%d-%Y" of a real calendar date of the years 1000 to 9999, written out without asking the
// system; empty for any other date (a day or month out of range, which mktime would carry).
std::string DateKey(int day, int month, int year);

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar; days and months out
// of range carry over as they do for NoonOf.
std::int64_t DayNumber(std::int64_t year, int month, int day);

// The timestamp of a local date at 12:00:01, the instant that stands for the whole day
// (daylight saving decided by the system). Out-of-range days and months normalise as mktime does.
std::int64_t NoonOf(int day, int month, int year);

// Local day, month (1-12) and year of a timestamp; all 0 when it cannot be converted.
struct LocalDate
{
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const LocalDate &) const = default;
};

LocalDate LocalDateOf(std::int64_t timestamp);
// The date of a day number, the inverse of DayNumber.
LocalDate DateOfDayNumber(std::int64_t number);

// "YYYY-MM-DD" of a date, and back: exactly that shape, and a real date (DateKey's years).
std::string IsoDate(const LocalDate &date);
std::optional<LocalDate> ParseIsoDate(std::string_view text);
// Whether a is an earlier day than b.
bool Before(const LocalDate &a, const LocalDate &b);

} // namespace DayFiles
