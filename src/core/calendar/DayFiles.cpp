// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DayFiles.h"

#include <cstdio>
#include <ctime>
#include <limits>
#include <optional>

namespace DayFiles {

bool LocalTime(std::int64_t timestamp, std::tm &out)
{
    if constexpr (sizeof(std::time_t) < sizeof(std::int64_t)) {
        if (timestamp < std::numeric_limits<std::time_t>::min() ||
            timestamp > std::numeric_limits<std::time_t>::max())
            return false;
    }
    const auto time = static_cast<std::time_t>(timestamp);
#ifdef _WIN32
    return localtime_s(&out, &time) == 0;
#else
    return localtime_r(&time, &out) != nullptr;
#endif
}

std::string DayKey(std::int64_t timestamp)
{
    std::tm local {};
    if (!LocalTime(timestamp, local))
        return {};
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%m-%d-%Y", &local);
    if (length == 0)
        return {};
    return std::string(buffer, length);
}

std::string DateKey(int day, int month, int year)
{
    if (year < 1000 || year > 9999 || month < 1 || month > 12 || day < 1)
        return {};
    static constexpr int Lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > Lengths[month - 1] + (month == 2 && leap ? 1 : 0))
        return {};
    char key[] = "mm-dd-yyyy";
    const auto put = [&key](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            key[at + i] = char('0' + value % 10);
    };
    put(0, month, 2);
    put(3, day, 2);
    put(6, year, 4);
    return std::string(key, 10);
}

std::string IsoDate(const LocalDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<LocalDate> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int values[3] = {0, 0, 0}; // year, month, day
    for (std::size_t i = 0, part = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++part;
            continue;
        }
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        values[part] = values[part] * 10 + (text[i] - '0');
    }
    if (DateKey(values[2], values[1], values[0]).empty())
        return std::nullopt;
    return LocalDate {values[2], values[1], values[0]};
}

bool Before(const LocalDate &a, const LocalDate &b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

namespace {

std::int64_t mktimeNoon(int day, int month, int year)
{
    std::tm local {};
    local.tm_mday = day;
    local.tm_mon = month - 1;
    local.tm_year = year - 1900;
    local.tm_hour = 12;
    local.tm_min = 0;
    local.tm_sec = 1;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

} // namespace

std::int64_t DayNumber(std::int64_t year, int month, int day)
{
    year += (month - 1 >= 0 ? (month - 1) / 12 : (month - 12) / 12);
    month = ((month - 1) % 12 + 12) % 12 + 1;
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

LocalDate DateOfDayNumber(std::int64_t number)
{
    // Howard Hinnant's civil_from_days.
    number += 719468;
    const std::int64_t era = (number >= 0 ? number : number - 146096) / 146097;
    const std::int64_t dayOfEra = number - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = int(shifted < 10 ? shifted + 3 : shifted - 9);
    return {day, month, int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0))};
}

std::int64_t NoonOf(int day, int month, int year)
{
    // mktime takes microseconds a call, and a long chart asks for thousands of days. The local
    // noon is found from the zone's offset, which localtime gives cheaply, and confirmed; what
    // is not confirmed (no such local time, a year time_t cannot hold) is mktime's to decide.
    if (month < -12000 || month > 12000)
        return mktimeNoon(day, month, year);
    const std::int64_t wanted = DayNumber(year, month, day) * SecondsPerDay + 12 * 3600 + 1;
    // The local clock's lead over UTC at an instant, from its reading.
    const auto offsetAt = [](std::int64_t timestamp,
                             std::tm &local) -> std::optional<std::int64_t> {
        if (!LocalTime(timestamp, local))
            return std::nullopt;
        return DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) * SecondsPerDay +
            local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec - timestamp;
    };
    std::tm local {};
    if (std::optional<std::int64_t> offset = offsetAt(wanted, local)) {
        std::int64_t noon = wanted - *offset;
        if ((offset = offsetAt(noon, local)) && noon + *offset != wanted)
            noon = wanted - *offset;
        if (offsetAt(noon, local) && local.tm_hour == 12 && local.tm_min == 0 &&
            local.tm_sec == 1 &&
            DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) * SecondsPerDay ==
                wanted - (12 * 3600 + 1))
            return noon;
    }
    return mktimeNoon(day, month, year);
}

LocalDate LocalDateOf(std::int64_t timestamp)
{
    std::tm local {};
    if (!LocalTime(timestamp, local))
        return {};
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

} // namespace DayFiles
