// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DayStore.h"

#include "meals/MealRecord.h"
#include "platform/DataFolders.h"
#include "platform/FileLock.h"
#include "platform/NumberText.h"
#include "store/ActivityDay.h"
#include "store/FolderStamp.h"
#include "store/MealDayFile.h"
#include "store/WeightFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

// The weight series' files: "<key>.wth", hidden names left out as the history scan leaves them.
std::optional<std::int64_t> DayStore::weightDate(const std::string &name)
{
    if (name.empty() || name.front() == '.')
        return std::nullopt;
    return HistoryScan::DateOfFileName(name, "wth");
}

bool DayStore::usableWeight(const std::optional<float> &weight)
{
    return weight && std::isfinite(*weight) && *weight > 0.0f;
}

DayStore::DayStore(const fs::path &root)
    : m_dataDirectory(root / "db"), m_noteDirectory(root / "note")
{
}

FileIo::Result DayStore::CreateDataDirectories(const fs::path &executableFolder,
                                               const fs::path &perUserFolder)
{
    const DataFolders::Choice choice = DataFolders::Choose(executableFolder, perUserFolder);
    return UseFolder(choice.folder, choice.writable);
}

FileIo::Result DayStore::UseFolder(const fs::path &root, const FileIo::Result &writable)
{
    if (root.empty() || !root.is_absolute())
        return writable;
    std::error_code ignored;
    fs::current_path(root, ignored);

    m_dataDirectory = root / "db";
    m_noteDirectory = root / "note";
    if (writable.ok()) {
        FileIo::removeStaleTemporaries(m_dataDirectory);
        FileIo::removeStaleTemporaries(m_noteDirectory);
    }
    Rescan();
    return writable;
}

std::string DayStore::Key(const Day &day)
{
    // A real date is its own key; only what mktime would carry over needs the system's help.
    std::string key = DayFiles::DateKey(day.day, day.month, day.year);
    if (!key.empty())
        return key;
    return DayFiles::DayKey(DayFiles::NoonOf(day.day, day.month, day.year));
}

void DayStore::Rescan()
{
    m_index = Index();
}

void DayStore::Forget(const fs::path &file)
{
    const std::string name = file.filename().string();
    if (file.parent_path() == m_dataDirectory) {
        written(m_index.data, m_dataDirectory, name, false);
        if (m_index.weightSeries)
            m_index.weightSeries.reset();
        m_index.weightSeriesMade.reset();
    } else if (file.parent_path() == m_noteDirectory) {
        written(m_index.notes, m_noteDirectory, name, false);
    }
}

void DayStore::Refresh()
{
    if (changedBehindOurBack(m_index.data, m_dataDirectory) ||
        changedBehindOurBack(m_index.notes, m_noteDirectory))
        Rescan();
}

bool DayStore::changedBehindOurBack(const Folder &folder, const fs::path &directory) const
{
    return folder.listed && folder.stamp != FolderStamp(directory);
}

DayStore::Folder &DayStore::listed(Folder &folder, const fs::path &directory) const
{
    if (folder.listed)
        return folder;
    folder.listed = true;
    // Taken before the listing: a file added while it runs shows as a change next time.
    folder.stamp = FolderStamp(directory);
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error))
        folder.names.insert(it->path().filename().string());
    return folder;
}

std::optional<std::uintmax_t> DayStore::fileSize(Folder &folder, const fs::path &directory,
                                                 const std::string &name) const
{
    if (!listed(folder, directory).names.contains(name))
        return std::nullopt;
    const auto known = folder.sizes.find(name);
    if (known != folder.sizes.end())
        return known->second;
    const std::optional<std::uintmax_t> size = FileIo::regularFileSize(directory / name);
    folder.sizes.emplace(name, size);
    return size;
}

bool DayStore::hasContent(Folder &folder, const fs::path &directory, const std::string &name) const
{
    const std::optional<std::uintmax_t> size = fileSize(folder, directory, name);
    return size && *size > 0;
}

std::optional<float> DayStore::storedWeight(const std::string &name) const
{
    if (!fileSize(m_index.data, m_dataDirectory, name))
        return std::nullopt;
    const auto known = m_index.weights.find(name);
    if (known != m_index.weights.end())
        return known->second;
    const std::optional<float> weight = WeightFile::Read(m_dataDirectory / name);
    m_index.weights.emplace(name, weight);
    return weight;
}

std::optional<double> DayStore::storedCalories(const std::string &name) const
{
    const std::optional<std::uintmax_t> size = fileSize(m_index.data, m_dataDirectory, name);
    if (!size)
        return std::nullopt;
    const auto known = m_index.calories.find(name);
    if (known != m_index.calories.end())
        return known->second;
    std::optional<double> calories;
    // A day too large to be read back has no total; reading it through to learn that would
    // hold the window up.
    if (*size <= FileIo::DefaultMaxBytes) {
        if (const std::optional<std::string> bytes = FileIo::readAll(m_dataDirectory / name))
            calories = MealRecord::DayCalories(*bytes);
    }
    m_index.calories.emplace(name, calories);
    return calories;
}

void DayStore::written(Folder &folder, const fs::path &directory, const std::string &name,
                       bool wasCurrent)
{
    // Listed already or not: the listing would find the file anyway when it is there.
    folder.names.insert(name);
    // Our own write moved the folder's stamp; that is no change by anyone else. A change made
    // before it keeps the old stamp, so that the next refresh still sees it.
    if (folder.listed && wasCurrent)
        folder.stamp = FolderStamp(directory);
    folder.sizes.erase(name);
    if (&folder == &m_index.data) {
        m_index.weights.erase(name);
        m_index.calories.erase(name);
        m_index.mealEnds.erase(name);
    }
}

void DayStore::weightWritten(const std::string &name, bool wasCurrent)
{
    written(m_index.data, m_dataDirectory, name, wasCurrent);
    if (!m_index.weightSeries)
        return;
    const std::optional<std::int64_t> date = weightDate(name);
    if (!date)
        return;
    m_index.weightSeriesMade.reset();
    const std::optional<float> weight = storedWeight(name);
    if (usableWeight(weight))
        (*m_index.weightSeries)[*date] = *weight;
    else
        m_index.weightSeries->erase(*date);
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
    MealDayFile::Day loaded = MealDayFile::Load(MealFile(day));
    if (loaded.readable)
        m_index.mealEnds[Key(day) + ".db"] = loaded.wholeBytes;
    return {std::move(loaded.entries), loaded.totals, loaded.readable};
}

void DayStore::mealsWritten(const std::string &name, bool wasCurrent, const FileIo::Result &result,
                            std::optional<double> calories)
{
    written(m_index.data, m_dataDirectory, name, wasCurrent);
    if (!result.ok())
        return;
    // A write that succeeded leaves whole records only.
    m_index.mealEnds[name] = FileIo::regularFileSize(m_dataDirectory / name).value_or(0);
    if (calories)
        m_index.calories[name] = calories;
}

FileIo::Result DayStore::AppendMeal(const Day &day, const MealEntry &entry)
{
    const std::string name = Key(day) + ".db";
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    const auto end = m_index.mealEnds.find(name);
    FileIo::Result result = MealDayFile::AppendMealRecord(
        m_dataDirectory / name, entry,
        end != m_index.mealEnds.end() ? std::optional(end->second) : std::nullopt);
    // One more term at the end of the file's sum.
    std::optional<double> calories;
    if (const auto known = m_index.calories.find(name);
        known != m_index.calories.end() && known->second)
        calories = *known->second +
            MealRecord::Calories(entry.amount, entry.gramsPerUnit,
                                 entry.nutrients[Nutrient::Calories]);
    mealsWritten(name, current, result, calories);
    return result;
}

FileIo::Result DayStore::AppendMeals(const Day &day, const std::vector<MealEntry> &entries)
{
    const std::string name = Key(day) + ".db";
    if (entries.empty())
        return FileIo::Result::success(m_dataDirectory / name);
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    const auto end = m_index.mealEnds.find(name);
    FileIo::Result result = MealDayFile::AppendMealRecords(
        m_dataDirectory / name, entries,
        end != m_index.mealEnds.end() ? std::optional(end->second) : std::nullopt);
    std::optional<double> calories;
    if (const auto known = m_index.calories.find(name);
        known != m_index.calories.end() && known->second) {
        calories = *known->second;
        for (const MealEntry &entry : entries)
            *calories += MealRecord::Calories(entry.amount, entry.gramsPerUnit,
                                              entry.nutrients[Nutrient::Calories]);
    }
    mealsWritten(name, current, result, calories);
    return result;
}

std::vector<MealEntry> DayStore::MealsToCopy(const std::vector<MealEntry> &entries)
{
    const bool anyTicked =
        std::any_of(entries.begin(), entries.end(), [](const MealEntry &e) { return e.ticked; });
    std::vector<MealEntry> chosen;
    for (const MealEntry &entry : entries) {
        if (anyTicked && !entry.ticked)
            continue;
        chosen.push_back(entry);
        chosen.back().ticked = false;
        chosen.back().listIndex = -1;
    }
    return chosen;
}

FileIo::Result DayStore::CopyMeals(const Day &from, const Day &to)
{
    Meals source = LoadMeals(from);
    if (!source.readable)
        return FileIo::Result::failure(MealFile(from), FileIo::Problem::Unreadable);
    return AppendMeals(to, source.entries);
}

FileIo::Result DayStore::RewriteMeals(const Day &day, const std::vector<MealEntry> &entries,
                                      bool skipTicked)
{
    const std::string name = Key(day) + ".db";
    const fs::path path = m_dataDirectory / name;
    if (!MealDayFile::Readable(path))
        return FileIo::Result::failure(path, FileIo::Problem::Unreadable);
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    FileIo::Result result = MealDayFile::Rewrite(path, entries, skipTicked);
    double calories = 0.0;
    for (const MealEntry &entry : entries) {
        if (!(skipTicked && entry.ticked))
            calories += MealRecord::Calories(entry.amount, entry.gramsPerUnit,
                                             entry.nutrients[Nutrient::Calories]);
    }
    mealsWritten(name, current, result, calories);
    return result;
}

FileIo::Result DayStore::ClearMeals(const Day &day)
{
    const std::string name = Key(day) + ".db";
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    FileIo::Result result = MealDayFile::Clear(m_dataDirectory / name);
    mealsWritten(name, current, result, std::nullopt);
    return result;
}

FileIo::Result DayStore::RemoveMeals(const Day &day, const std::vector<MealEntry> &shown,
                                     const std::vector<std::size_t> &removed)
{
    const std::string name = Key(day) + ".db";
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    FileIo::Result result =
        MealDayFile::RemoveShown(m_dataDirectory / name, MealDayFile::ImageOf(shown), removed);
    mealsWritten(name, current, result, std::nullopt);
    return result;
}

FileIo::Result DayStore::ChangeMealAmount(const Day &day, const std::vector<MealEntry> &shown,
                                          std::size_t index, float amount)
{
    const std::string name = Key(day) + ".db";
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    FileIo::Result result = MealDayFile::ChangeShownAmount(
        m_dataDirectory / name, MealDayFile::ImageOf(shown), index, amount);
    mealsWritten(name, current, result, std::nullopt);
    return result;
}

DayStore::OutsideWrite DayStore::BeginMealWrite(const Day &day) const
{
    const std::string name = Key(day) + ".db";
    return {m_dataDirectory / name, name, !changedBehindOurBack(m_index.data, m_dataDirectory)};
}

void DayStore::EndMealWrite(const OutsideWrite &write, const FileIo::Result &result,
                            std::optional<double> calories)
{
    mealsWritten(write.name, write.wasCurrent, result, calories);
}

std::optional<float> DayStore::LoadWeight(const Day &day) const
{
    const std::optional<float> weight = storedWeight(Key(day) + ".wth");
    if (!weight || !std::isfinite(*weight))
        return std::nullopt;
    return weight;
}

FileIo::Result DayStore::SaveWeight(const Day &day, std::string_view typed)
{
    const std::string name = Key(day) + ".wth";
    const fs::path path = m_dataDirectory / name;
    const auto weight = static_cast<float>(NumberText::parse(typed));
    // Text that is no weight leaves the stored one alone; so does a number too large for the
    // file's float, which would otherwise be stored as infinity.
    if (!(weight > 0.0f) || !std::isfinite(weight))
        return FileIo::Result::success(path);
    // Every day load saves the weight it shows: a file that holds these very bytes already
    // needs no rewrite.
    const std::optional<float> stored = storedWeight(name);
    if (stored && std::bit_cast<std::uint32_t>(*stored) == std::bit_cast<std::uint32_t>(weight) &&
        fileSize(m_index.data, m_dataDirectory, name) == std::uintmax_t(4))
        return FileIo::Result::success(path);
    const bool current = !changedBehindOurBack(m_index.data, m_dataDirectory);
    FileIo::Result result = WeightFile::Write(path, weight);
    weightWritten(name, current);
    return result;
}

FileIo::Result DayStore::SaveShownWeight(const Day &day, std::string_view typed,
                                         std::optional<float> shown)
{
    const fs::path path = WeightFile(day);
    FileIo::Result failure;
    // Held until the new weight is in, so that no other writer's weight slips in between.
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    const std::optional<float> stored = lock ? WeightFile::Read(path) : std::nullopt;
    const auto bits = [](std::optional<float> weight) {
        return weight ? std::optional(std::bit_cast<std::uint32_t>(*weight)) : std::nullopt;
    };
    // What was learnt of the file may be older than what was just read.
    weightWritten(path.filename().string(), false);
    if (bits(stored) != bits(shown))
        return FileIo::Result::failure(path, FileIo::Problem::Changed);
    return SaveWeight(day, typed);
}

NoteFile::Note DayStore::LoadNote(const Day &day) const
{
    return NoteFile::Read(NoteFile(day));
}

FileIo::Result DayStore::SaveNote(const Day &day, std::string_view text)
{
    const NoteWrite write = WriteNote(NoteFile(day), text);
    NoteWritten(write);
    return write.result;
}

void DayStore::NoteWritten(const NoteWrite &write)
{
    // A write into a folder the store has since left tells nothing about the one it uses now.
    if (!write.tried || write.file.parent_path() != m_noteDirectory)
        return;
    Folder &folder = m_index.notes;
    const bool wasCurrent = folder.stamp == write.before;
    written(folder, m_noteDirectory, write.file.filename().string(), false);
    // The stamp our own write left is no change by anyone else; one made before it does not
    // match, so that the next refresh still sees it.
    if (folder.listed && wasCurrent)
        folder.stamp = write.after;
}

bool DayStore::HasMealsOrWeight(const Day &day) const
{
    const std::string key = Key(day);
    return hasContent(m_index.data, m_dataDirectory, key + ".db") ||
        hasContent(m_index.data, m_dataDirectory, key + ".wth");
}

bool DayStore::HasMeals(const Day &day) const
{
    return hasContent(m_index.data, m_dataDirectory, Key(day) + ".db");
}

bool DayStore::HasNote(const Day &day) const
{
    return hasContent(m_index.notes, m_noteDirectory, Key(day) + ".txt");
}
