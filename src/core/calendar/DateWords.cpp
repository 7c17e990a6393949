// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DateWords.h"

#include "platform/Clock.h"

#include <array>
#include <string>

namespace DateWords {

namespace {

std::string dateWordsLowered(std::string_view text)
{
    std::string lowered(text);
    for (char &c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lowered;
}

} // namespace

std::optional<DayFiles::LocalDate> DaysBefore(const DayFiles::LocalDate &date, long long days)
{
    // Far beyond the years a day may have, either way.
    if (days > 4'000'000 || days < -4'000'000)
        return std::nullopt;
    const DayFiles::LocalDate result =
        DayFiles::DateOfDayNumber(DayFiles::DayNumber(date.year, date.month, date.day) - days);
    if (result.year < 1000 || result.year > 9999)
        return std::nullopt;
    return result;
}

DayFiles::LocalDate Today()
{
    return DayFiles::LocalDateOf(Clock::now());
}

std::optional<DayFiles::LocalDate> Read(std::string_view text, const DayFiles::LocalDate &today)
{
    if (const std::optional<DayFiles::LocalDate> date = DayFiles::ParseIsoDate(text))
        return date;
    const std::string word = dateWordsLowered(text);
    if (word == "today")
        return today;
    if (word == "yesterday")
        return DaysBefore(today, 1);
    if (word.size() >= 2 && word.size() <= 8 && word[0] == '-' &&
        word.find_first_not_of("0123456789", 1) == std::string::npos)
        return DaysBefore(today, std::stoll(word.substr(1)));

    static constexpr std::array<std::string_view, 7> names = {
        "sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};
    for (std::size_t weekday = 0; weekday < names.size(); ++weekday) {
        if (word != names[weekday] && word != names[weekday].substr(0, 3))
            continue;
        // 1 January 1970 was a Thursday.
        const long long number = DayFiles::DayNumber(today.year, today.month, today.day);
        const long long todayWeekday = ((number + 4) % 7 + 7) % 7;
        return DaysBefore(today, (todayWeekday - (long long)weekday + 7) % 7);
    }
    return std::nullopt;
}

} // namespace DateWords
