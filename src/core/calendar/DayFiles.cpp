#include "calendar/DayFiles.h"

#include "platform/FileIo.h"

#include <ctime>
#include <limits>
#include <system_error>

namespace fs = std::filesystem;

namespace DayFiles {

namespace {

fs::path s_dataDirectory = "db";
fs::path s_noteDirectory = "note";

std::string fileName(std::int64_t timestamp, std::string_view extension)
{
    std::string name = DayKey(timestamp);
    name += extension;
    return name;
}

void createDirectoriesIn(const fs::path &folder)
{
    std::error_code ignored;
    fs::create_directory(folder / "db", ignored);
    fs::create_directory(folder / "note", ignored);
}

} // namespace

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

void CreateDataDirectories(const fs::path &executableFolder, const fs::path &perUserFolder)
{
    if (executableFolder.empty())
        return;
    std::error_code error;
    fs::path folder = fs::absolute(executableFolder, error);
    if (error)
        return;

    fs::current_path(folder, error);
    createDirectoriesIn(folder);

    if (!FileIo::canWriteInto(folder / "db").ok() && !perUserFolder.empty()) {
        const fs::path fallback = fs::absolute(perUserFolder, error);
        if (!error) {
            fs::create_directories(fallback, error);
            createDirectoriesIn(fallback);
            fs::current_path(fallback, error);
            folder = fallback;
        }
    }

    s_dataDirectory = folder / "db";
    s_noteDirectory = folder / "note";
}

const fs::path &DataDirectory()
{
    return s_dataDirectory;
}

const fs::path &NoteDirectory()
{
    return s_noteDirectory;
}

void ResetDirectoriesForTesting()
{
    s_dataDirectory = "db";
    s_noteDirectory = "note";
}

fs::path DataFilePath(std::int64_t timestamp, std::string_view extension)
{
    return s_dataDirectory / fileName(timestamp, extension);
}

fs::path NoteFilePath(std::int64_t timestamp, std::string_view extension)
{
    return s_noteDirectory / fileName(timestamp, extension);
}

std::string DataDirectoryPrefix()
{
    std::string prefix = s_dataDirectory.string();
    prefix += static_cast<char>(fs::path::preferred_separator);
    return prefix;
}

bool HasDayFile(std::int64_t timestamp, const fs::path &directory, std::string_view extension)
{
    const auto size = FileIo::regularFileSize(directory / fileName(timestamp, extension));
    return size && *size > 0;
}

} // namespace DayFiles
