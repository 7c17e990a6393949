// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/NutrientGoals.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings that describe the person and their diary rather than this computer: they live in
// the diary folder and travel with it (a synced folder, a moved diary). One UTF-8 text file,
// "settings.conf", one "key=value" a line:
//
//   # goals set on the laptop
//   Goals/Calories=2000
//   Goals/FatKind=limit
//   BestMatchesFirst=true
//
// Lines this version does not know (keys of later versions, comments, blank lines, even lines
// without "=") are kept as they are when the file is rewritten; a line without "=" is not read
// and is said (skippedNotice). The first line of a key counts.
//
// The page shown last stays in this computer's settings.
class DiarySettings
{
public:
    static constexpr std::string_view FileName = "settings.conf";
    // Set once the goals of this computer's settings have been moved into the diary.
    static constexpr std::string_view MovedInKey = "Goals/MovedIn";
    static constexpr std::string_view BestMatchesFirstKey = "BestMatchesFirst";
    // The day's calories burned are added to its calorie goal (NutrientGoals::withBurned).
    static constexpr std::string_view AddBurnedKey = "AddBurnedToGoal";

    static std::filesystem::path FileIn(const std::filesystem::path &diaryFolder)
    {
        return diaryFolder / std::string(FileName);
    }

    // Reads the file; a missing file is no settings and no failure, anything else that cannot be
    // read leaves the settings empty and says why.
    FileIo::Result load(const std::filesystem::path &file);
    // From the file's bytes, whatever they are.
    void parse(std::string_view bytes);
    // The file's bytes: every line read, changed where a value was set, new keys at the end.
    std::string image() const;

    std::optional<std::string> value(std::string_view key) const;
    void setValue(std::string_view key, std::string_view value);
    void remove(std::string_view key);

    // The goals as NutrientGoals reads them: no key, no goal.
    NutrientGoals goals() const;
    // A nutrient without a goal has no key; the kinds of fat and carbohydrates are always set.
    void setGoals(const NutrientGoals &goals);
    bool hasGoals() const;

    bool bestMatchesFirst() const; // on unless set
    std::optional<bool> storedBestMatchesFirst() const;
    void setBestMatchesFirst(bool on);
    bool addBurnedToGoal() const; // off unless set

    // "2 lines of settings.conf could not be read: ..."; empty when every line could.
    std::string skippedNotice() const;

    // Reads the file in `diaryFolder`, lets `change` change the settings and writes them back
    // atomically, under the file's lock so that a second window or another writer's keys are
    // kept. Nothing is written when the file cannot be read.
    static FileIo::Result Update(const std::filesystem::path &diaryFolder,
                                 const std::function<void(DiarySettings &)> &change);

    // Moves this computer's settings into the diary once, so that none is lost:
    //   1. `goals` (when there is one) go into the diary's file when it has no goals and was
    //      never given any (no MovedInKey), with MovedInKey set; `bestMatchesFirst` (when
    //      given) when the file has no such key; all in one atomic write;
    //   2. the result says whether the caller may now remove its old keys: only when the diary
    //      holds the very same goals and best-matches choice, so removing them loses nothing
    //      (goals the user cleared in the diary never come back from keys left behind).
    // On any failure the caller keeps its keys and tries again at the next start.
    struct MoveIn
    {
        FileIo::Result saved; // why the diary's file could not be read or written
        bool moved = false; // this call wrote them into the diary
        bool mayRemoveOld = false;
    };
    static MoveIn MoveInOnce(const std::filesystem::path &diaryFolder, const NutrientGoals &goals,
                             std::optional<bool> bestMatchesFirst);

    // Two files of one diary joined (a diary moved onto another): every line of `ours`, then each
    // key only `theirs` has.
    static std::string Join(std::string_view ours, std::string_view theirs);

    static bool SameGoals(const NutrientGoals &a, const NutrientGoals &b);

private:
    struct Line
    {
        std::string text; // without its line break
        std::string key; // empty for a comment, a blank line or a line without "="
        bool broken = false;
    };
    const Line *find(std::string_view key) const;

    std::vector<Line> m_lines;
};
