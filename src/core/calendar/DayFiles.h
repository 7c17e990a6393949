#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

// Where each day's files live and what they are called. A day file is named by its day key,
// the local date "%m-%d-%Y", plus an extension: ".db" meals and ".wth" weight in the data
// directory, ".txt" notes in the note directory.
namespace DayFiles {

inline constexpr std::int64_t SecondsPerDay = 86400;

// The local time of a timestamp; false when the system cannot convert it.
bool LocalTime(std::int64_t timestamp, std::tm &out);

// Local date of a timestamp as "%m-%d-%Y"; empty when it cannot be converted.
std::string DayKey(std::int64_t timestamp);

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

// "db" and "note" beside the executable, made the current directory at start. When that folder
// cannot be written the per-user folder holds them instead, so nothing typed is lost in silence.
// Until CreateDataDirectories runs, both are the relative names "db" and "note".
void CreateDataDirectories(const std::filesystem::path &executableFolder,
                           const std::filesystem::path &perUserFolder);

const std::filesystem::path &DataDirectory();
const std::filesystem::path &NoteDirectory();

// Back to the relative names, as at program start (for tests).
void ResetDirectoriesForTesting();

std::filesystem::path DataFilePath(std::int64_t timestamp, std::string_view extension);
std::filesystem::path NoteFilePath(std::int64_t timestamp, std::string_view extension);

// The data directory followed by a separator, for listing its files.
std::string DataDirectoryPrefix();

// True when the day's file exists, is a regular file and is not empty.
bool HasDayFile(std::int64_t timestamp, const std::filesystem::path &directory,
                std::string_view extension);

} // namespace DayFiles
