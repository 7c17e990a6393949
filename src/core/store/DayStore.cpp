#include "store/DayStore.h"

#include "meals/MealRecord.h"
#include "platform/NumberText.h"
#include "store/MealDayFile.h"
#include "store/WeightFile.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

namespace {

void createDirectoriesIn(const fs::path &folder)
{
    std::error_code ignored;
    fs::create_directory(folder / "db", ignored);
    fs::create_directory(folder / "note", ignored);
}

FileIo::Result canWriteBoth(const fs::path &folder)
{
    const FileIo::Result data = FileIo::canWriteInto(folder / "db");
    return data.ok() ? FileIo::canWriteInto(folder / "note") : data;
}

// Any file the user may have written: a folder with them is somebody's diary.
bool holdsDiary(const fs::path &folder)
{
    for (const char *sub : {"db", "note"}) {
        std::error_code error;
        for (fs::directory_iterator it(folder / sub, error), end; !error && it != end;
             it.increment(error)) {
            if (it->path().filename().string().front() != '.')
                return true;
        }
    }
    return false;
}

bool hasContent(const fs::path &path)
{
    const auto size = FileIo::regularFileSize(path);
    return size && *size > 0;
}

} // namespace

DayStore::DayStore(const fs::path &root)
    : m_dataDirectory(root / "db"), m_noteDirectory(root / "note")
{
}

FileIo::Result DayStore::CreateDataDirectories(const fs::path &executableFolder,
                                               const fs::path &perUserFolder)
{
    if (executableFolder.empty())
        return FileIo::Result::failure(executableFolder, FileIo::Problem::Missing);
    std::error_code error;
    fs::path folder = fs::absolute(executableFolder, error);
    if (error)
        return FileIo::Result::failure(executableFolder, error.value());

    fs::current_path(folder, error);
    createDirectoriesIn(folder);
    FileIo::Result writable = canWriteBoth(folder);
    if (!writable.ok() && !holdsDiary(folder) && !perUserFolder.empty()) {
        const fs::path fallback = fs::absolute(perUserFolder, error);
        if (!error) {
            fs::create_directories(fallback, error);
            createDirectoriesIn(fallback);
            fs::current_path(fallback, error);
            folder = fallback;
            writable = canWriteBoth(folder);
        }
    }

    m_dataDirectory = folder / "db";
    m_noteDirectory = folder / "note";
    if (writable.ok()) {
        FileIo::removeStaleTemporaries(m_dataDirectory);
        FileIo::removeStaleTemporaries(m_noteDirectory);
    }
    return writable;
}

std::string DayStore::Key(const Day &day)
{
    return DayFiles::DayKey(DayFiles::NoonOf(day.day, day.month, day.year));
}

fs::path DayStore::DataFilePath(const Day &day, std::string_view extension) const
{
    return m_dataDirectory / (Key(day) + std::string(extension));
}

fs::path DayStore::NoteFilePath(const Day &day, std::string_view extension) const
{
    return m_noteDirectory / (Key(day) + std::string(extension));
}

DayStore::Meals DayStore::LoadMeals(const Day &day) const
{
    const MealDayFile::Day loaded = MealDayFile::Load(MealFile(day));
    return {loaded.entries, loaded.totals, loaded.readable};
}

FileIo::Result DayStore::AppendMeal(const Day &day, const MealEntry &entry)
{
    return MealDayFile::AppendMealRecord(MealFile(day), entry);
}

FileIo::Result DayStore::RewriteMeals(const Day &day, const std::vector<MealEntry> &entries,
                                      bool skipTicked)
{
    const fs::path path = MealFile(day);
    if (!MealDayFile::Load(path).readable)
        return FileIo::Result::failure(path, FileIo::Problem::Unreadable);
    return MealDayFile::Rewrite(path, entries, skipTicked);
}

FileIo::Result DayStore::ClearMeals(const Day &day)
{
    return MealDayFile::Clear(MealFile(day));
}

std::optional<float> DayStore::LoadWeight(const Day &day) const
{
    const std::optional<float> weight = WeightFile::Read(WeightFile(day));
    if (!weight || !std::isfinite(*weight))
        return std::nullopt;
    return weight;
}

FileIo::Result DayStore::SaveWeight(const Day &day, std::string_view typed)
{
    const fs::path path = WeightFile(day);
    const auto weight = static_cast<float>(NumberText::parse(typed));
    // Text that is no weight leaves the stored one alone; so does a number too large for the
    // file's float, which would otherwise be stored as infinity.
    if (!(weight > 0.0f) || !std::isfinite(weight))
        return FileIo::Result::success(path);
    // Showing a day writes its weight back; the same four bytes need no second write (nor a
    // failure on a folder that cannot be written).
    if (const std::optional<float> stored = WeightFile::Read(path); stored &&
        std::bit_cast<std::uint32_t>(*stored) == std::bit_cast<std::uint32_t>(weight) &&
        FileIo::regularFileSize(path) == std::uintmax_t(4))
        return FileIo::Result::success(path);
    return WeightFile::Write(path, weight);
}

NoteFile::Note DayStore::LoadNote(const Day &day) const
{
    return NoteFile::Read(NoteFile(day));
}

FileIo::Result DayStore::SaveNote(const Day &day, std::string_view text)
{
    const fs::path path = NoteFile(day);
    if (NoteFile::Read(path).state == NoteFile::Note::State::Unreadable)
        return FileIo::Result::failure(path, FileIo::Problem::Unreadable);
    return NoteFile::Write(path, text);
}

bool DayStore::HasMealsOrWeight(const Day &day) const
{
    return hasContent(MealFile(day)) || hasContent(WeightFile(day));
}

bool DayStore::HasNote(const Day &day) const
{
    return hasContent(NoteFile(day));
}

HistoryScan::Series DayStore::WeightSeries() const
{
    return HistoryScan::LoadWeightSeries(m_dataDirectory);
}

HistoryScan::Series DayStore::CalorieSeries(std::int64_t firstDay, int dayCount) const
{
    return HistoryScan::LoadCalorieSeries(m_dataDirectory, firstDay, dayCount);
}
