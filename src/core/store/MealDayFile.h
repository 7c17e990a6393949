#pragma once

#include "meals/MealEntry.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <vector>

// Reading and writing one day's meal file. A day without entries has no file; a missing and an
// empty file both mean an empty day. Failures are silent: the reload that follows every change
// shows what the file really holds.
namespace MealDayFile {

struct Day
{
    std::vector<MealEntry> entries; // file order, listIndex = position, nothing ticked
    Nutrients totals {};
    // False when a file is there but could not be read: it must not be rewritten from an
    // empty list, which would throw its content away.
    bool readable = true;
};

Day Load(const std::filesystem::path &path);

// Adds one record at the end in one write, creating the file when missing. A cut-short record
// left by an earlier failed write is dropped first, so it cannot swallow the new one.
FileIo::Result AppendMealRecord(const std::filesystem::path &path, const MealEntry &entry);

// Replaces the file with the entries (ticked ones left out on request) in one atomic rewrite;
// the old file stays whole if that fails. When no entry is left the file is removed.
FileIo::Result Rewrite(const std::filesystem::path &path, const std::vector<MealEntry> &entries,
                       bool skipTicked);

// Removes the day's file; a missing file is no error.
FileIo::Result Clear(const std::filesystem::path &path);

} // namespace MealDayFile
