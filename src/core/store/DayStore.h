// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "charts/ChartSpan.h"
#include "food/UserFoodTable.h"
#include "meals/MealEntry.h"
#include "platform/FileIo.h"
#include "recipes/RecipeBook.h"
#include "store/HistoryScan.h"
#include "store/NoteFile.h"
#include "store/NoteWrite.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Everything the user records, one day at a time: the day's meals, weight and note, whether a
// day has any of them (the strip's markers), and the history the chart draws. The store owns a
// data folder holding "db" (meal files ".db" and weight files ".wth") and "note" (note files
// ".txt"), each named by the day's key "%m-%d-%Y"; no other code knows these names or layouts.
//
// Every write reports what failed and why. A failed write leaves the day's file as it was.
//
// What the markers and the charts need is learnt once, from one listing of each folder on first
// use and each day's file when it is first asked about, and kept current by the store's own
// writes: the program is the only writer while it runs, so a day switch costs the same with ten
// days stored as with ten years. A file changed by hand meanwhile is seen at the next start.
class DayStore
{
public:
    using Day = DayFiles::LocalDate;

    // Until a folder is chosen the directories are the relative names "db" and "note".
    DayStore() = default;
    // A store over `root`/db and `root`/note, which must exist.
    explicit DayStore(const std::filesystem::path &root);

    // The folder beside the executable, made the current directory, with "db" and "note" created
    // in it. When either cannot be written, the per-user folder instead, but only while the
    // folder beside the executable holds no diary: existing data is never hidden by a switch.
    // The result says why the chosen folder cannot be written (ok when it can). The program's
    // own stale temporary files are removed.
    [[nodiscard]] FileIo::Result
    CreateDataDirectories(const std::filesystem::path &executableFolder,
                          const std::filesystem::path &perUserFolder);

    // Keeps the diary in `root` (db/ and note/ made already), whose writability `writable` says;
    // made the current directory, the program's stale temporary files removed.
    FileIo::Result UseFolder(const std::filesystem::path &root, const FileIo::Result &writable);

    const std::filesystem::path &dataDirectory() const { return m_dataDirectory; }
    const std::filesystem::path &noteDirectory() const { return m_noteDirectory; }
    // The diary's folder, holding "db", "note" and the user's own foods: relative (empty, the
    // current folder) until a folder is chosen, or made absolute.
    std::filesystem::path rootDirectory() const { return m_dataDirectory.parent_path(); }
    std::filesystem::path absoluteRootDirectory() const
    {
        return std::filesystem::absolute(m_dataDirectory).parent_path();
    }
    // The user's own foods, kept with the diary.
    std::filesystem::path OwnFoodsFile() const { return rootDirectory() / UserFoodTable::FileName; }
    // The user's recipes, kept with the diary.
    std::filesystem::path RecipesFile() const { return rootDirectory() / RecipeBook::FileName; }

    // The day's key, "%m-%d-%Y" of its local date; empty for a date the system cannot convert.
    static std::string Key(const Day &day);

    // Forgets all that was learnt of the folders: the next question lists them anew.
    void Rescan();
    // Rescans when a folder's own time stamp says that files were added, removed or replaced
    // there by someone else since it was listed: two status calls, whatever the history.
    void Refresh();
    // Forgets what was learnt of one file, which another writer changed in place.
    void Forget(const std::filesystem::path &file);

    // Paths of a day's files: ".db" and ".wth" in the data directory, ".txt" in the note one.
    std::filesystem::path DataFilePath(const Day &day, std::string_view extension) const;
    std::filesystem::path NoteFilePath(const Day &day, std::string_view extension) const;
    std::filesystem::path MealFile(const Day &day) const { return DataFilePath(day, ".db"); }
    std::filesystem::path WeightFile(const Day &day) const { return DataFilePath(day, ".wth"); }
    std::filesystem::path NoteFile(const Day &day) const { return NoteFilePath(day, ".txt"); }

    struct Meals
    {
        std::vector<MealEntry> entries; // file order, listIndex = position, nothing ticked
        Nutrients totals {};
        // False when a file is there but could not be read: it is never rewritten from the
        // empty list it shows, which would throw its content away.
        bool readable = true;
    };
    Meals LoadMeals(const Day &day) const;
    // One record at the end of the day's file, created when missing. A file that still ends
    // where the store last loaded or wrote it is not read again.
    [[nodiscard]] FileIo::Result AppendMeal(const Day &day, const MealEntry &entry);
    // The entries at the end of the day's file, whole, each the record AppendMeal writes for it,
    // all in one write. No entries, no write.
    [[nodiscard]] FileIo::Result AppendMeals(const Day &day, const std::vector<MealEntry> &entries);

    // Copying meals from one day to another. The ticked entries when any are ticked, else all,
    // ready to be appended (unticked).
    static std::vector<MealEntry> MealsToCopy(const std::vector<MealEntry> &entries);
    // Every entry of `from` appended to `to`. Refused as Problem::Unreadable, naming from's file,
    // when that file is there but cannot be read; a day without meals changes nothing.
    [[nodiscard]] FileIo::Result CopyMeals(const Day &from, const Day &to);
    // The day's file replaced by the entries (ticked ones left out on request); removed when
    // none is left. Refused for a file that is there but cannot be read.
    [[nodiscard]] FileIo::Result RewriteMeals(const Day &day, const std::vector<MealEntry> &entries,
                                              bool skipTicked);
    [[nodiscard]] FileIo::Result ClearMeals(const Day &day);

    // Changes to the rows the user saw (`shown`, entries as LoadMeals gave them), made to what
    // the file holds now: what another writer stored meanwhile stays (result.changedElsewhere
    // then says that the view must be read again). Refused as Problem::Changed when a row it
    // concerns is no longer there byte for byte.
    [[nodiscard]] FileIo::Result RemoveMeals(const Day &day, const std::vector<MealEntry> &shown,
                                             const std::vector<std::size_t> &removed);
    [[nodiscard]] FileIo::Result ChangeMealAmount(const Day &day,
                                                  const std::vector<MealEntry> &shown,
                                                  std::size_t index, float amount);

    // A write of a day's meal file made outside the store, on another thread (the store is not
    // thread-safe: only the path goes there). Begun and ended on the store's own thread.
    struct OutsideWrite
    {
        std::filesystem::path path;
        std::string name;
        bool wasCurrent = true;
    };
    OutsideWrite BeginMealWrite(const Day &day) const;
    // What was learnt of the file is learnt anew; after a success, the day's calories are kept
    // when given.
    void EndMealWrite(const OutsideWrite &write, const FileIo::Result &result,
                      std::optional<double> calories);

    // The stored weight when the day has one that is a number.
    std::optional<float> LoadWeight(const Day &day) const;
    // Stores the number the text starts with (read as atof reads it) when it is above zero and
    // fits the file; any other text leaves the stored weight alone and is no failure.
    [[nodiscard]] FileIo::Result SaveWeight(const Day &day, std::string_view typed);
    // The same, typed over the weight `shown` (nothing: the day had none): refused as
    // Problem::Changed when the file holds another by now, which the view must then show.
    [[nodiscard]] FileIo::Result SaveShownWeight(const Day &day, std::string_view typed,
                                                 std::optional<float> shown);

    NoteFile::Note LoadNote(const Day &day) const;
    // Refused for a note file that is there but cannot be read, or that the user made read-only.
    [[nodiscard]] FileIo::Result SaveNote(const Day &day, std::string_view text);

    // SaveNote in two halves, so that a long note can be written on another thread: WriteNote
    // uses nothing of the store's and may run anywhere (NoteWrite::run); NoteWritten, back on
    // the store's thread, learns what the write did. The file is NoteFile(day).
    using NoteWrite = ::NoteWrite;
    static NoteWrite WriteNote(const std::filesystem::path &file, std::string_view text,
                               const std::vector<std::uint64_t> &accepted = {})
    {
        return NoteWrite::run(file, text, accepted);
    }
    void NoteWritten(const NoteWrite &write);

    // The strip's markers: a meal or weight file that is not empty; a note that is not empty.
    bool HasMealsOrWeight(const Day &day) const;
    bool HasMeals(const Day &day) const;
    bool HasNote(const Day &day) const;

    // Every stored weight above zero, whatever its date; bounds on multiples of 10.
    HistoryScan::Series WeightSeries() const;
    // The calorie totals of the dayCount calendar days from the local date of firstDay.
    HistoryScan::Series CalorieSeries(std::int64_t firstDay, int dayCount) const;
    // The calories burned on each day of the run that has activities (its ".act" file), as
    // samples ascending by date; files that cannot be read count what could be read.
    std::vector<DaySample> BurnedSeries(std::int64_t firstDay, int dayCount) const;
    // The calories the day's activities burned; 0 without any (or without a readable file).
    double BurnedOn(const Day &day) const;
    // The first and last day with a meal file or a weight file; nothing for an empty diary.
    std::optional<ChartSpan::Extent> DataExtent() const;

private:
    // One folder's files by bare name: which were there at the listing (or written since), and
    // what has been read of them.
    struct Folder
    {
        bool listed = false;
        std::optional<std::filesystem::file_time_type> stamp;
        std::unordered_set<std::string> names;
        std::unordered_map<std::string, std::optional<std::uintmax_t>> sizes; // regular files only
    };
    struct Index
    {
        Folder data;
        Folder notes;
        std::unordered_map<std::string, std::optional<float>> weights;
        std::unordered_map<std::string, std::optional<double>> calories;
        // Meal files by the size they had when last found to end on a whole record.
        std::unordered_map<std::string, std::uintmax_t> mealEnds;
        // Usable weights by date, once the weight series has been asked for.
        std::optional<std::map<std::int64_t, float>> weightSeries;
        // The series made of them, until a weight is written.
        std::optional<HistoryScan::Series> weightSeriesMade;
    };

    Folder &listed(Folder &folder, const std::filesystem::path &directory) const;
    bool changedBehindOurBack(const Folder &folder, const std::filesystem::path &directory) const;
    std::optional<std::uintmax_t> fileSize(Folder &folder, const std::filesystem::path &directory,
                                           const std::string &name) const;
    bool hasContent(Folder &folder, const std::filesystem::path &directory,
                    const std::string &name) const;
    std::optional<float> storedWeight(const std::string &name) const;
    static std::optional<std::int64_t> weightDate(const std::string &name);
    static bool usableWeight(const std::optional<float> &weight);
    std::optional<double> storedCalories(const std::string &name) const;
    // After a write: what was learnt of the file is read again when next needed.
    // wasCurrent: the folder showed no change by others just before the write.
    void written(Folder &folder, const std::filesystem::path &directory, const std::string &name,
                 bool wasCurrent);
    void weightWritten(const std::string &name, bool wasCurrent);
    void mealsWritten(const std::string &name, bool wasCurrent, const FileIo::Result &result,
                      std::optional<double> calories);

    std::filesystem::path m_dataDirectory = "db";
    std::filesystem::path m_noteDirectory = "note";
    mutable Index m_index;
};
