#include "calendar/DayFiles.h"

#include <ctime>
#include <limits>

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

std::int64_t NoonOf(int day, int month, int year)
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

LocalDate LocalDateOf(std::int64_t timestamp)
{
    std::tm local {};
    if (!LocalTime(timestamp, local))
        return {};
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

} // namespace DayFiles
