// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"
#include "platform/FileIo.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
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
    // Bytes of the entries' whole records: the file's size when it ends on a whole record.
    std::uintmax_t wholeBytes = 0;
};

// Thread-safe: it touches nothing but the file.
Day Load(const std::filesystem::path &path);

// Whether Load reads the file: missing, empty or read whole.
bool Readable(const std::filesystem::path &path);

// Adds one record at the end in one write, creating the file when missing. A cut-short record
// left by an earlier failed write is dropped first, so it cannot swallow the new one. When the
// file still has the size `wholeEnd` that it had when it was last found to end on a whole record,
// it is not read at all.
FileIo::Result AppendMealRecord(const std::filesystem::path &path, const MealEntry &entry,
                                std::optional<std::uintmax_t> wholeEnd = std::nullopt);
// The same for several entries, their records one after the other in one write; nothing to
// append touches nothing.
FileIo::Result AppendMealRecords(const std::filesystem::path &path,
                                 const std::vector<MealEntry> &entries,
                                 std::optional<std::uintmax_t> wholeEnd = std::nullopt);

// Replaces the file with the entries (ticked ones left out on request) in one atomic rewrite;
// the old file stays whole if that fails. When no entry is left the file is removed.
FileIo::Result Rewrite(const std::filesystem::path &path, const std::vector<MealEntry> &entries,
                       bool skipTicked);

// The same rewrites made from the file's own records, for a day whose entries are not at hand:
// without the records at `removed` (ascending positions), or with one record's amount changed.
// Refused as Problem::Changed when the file does not hold `expected` whole records, so a change
// never lands on another record than the one the user saw.
FileIo::Result RemoveRecords(const std::filesystem::path &path,
                             const std::vector<std::size_t> &removed, std::size_t expected);
FileIo::Result ChangeAmount(const std::filesystem::path &path, std::size_t index, float amount,
                            std::size_t expected);

// Removes the day's file; a missing file is no error.
FileIo::Result Clear(const std::filesystem::path &path);

// Rewrites that never drop what another writer stored: made to the file as it is now, under its
// lock, from the image of the rows the user saw (`shownImage`, whole records). When the file no
// longer holds that image the change is carried over to what it holds, and the result says so
// (changedElsewhere); when a row it concerns cannot be found again it is refused as
// Problem::Changed and the file is left as it is. A file left without records is removed.
FileIo::Result RemoveShown(const std::filesystem::path &path, std::string_view shownImage,
                           const std::vector<std::size_t> &removed);
FileIo::Result ChangeShownAmount(const std::filesystem::path &path, std::string_view shownImage,
                                 std::size_t index, float amount);
// The shown row at `index` replaced by the entries (a recipe split into its ingredients).
FileIo::Result ReplaceShown(const std::filesystem::path &path, std::string_view shownImage,
                            std::size_t index, const std::vector<MealEntry> &entries);

// The records of the entries, one after the other, as the file holds them.
std::string ImageOf(const std::vector<MealEntry> &entries);

} // namespace MealDayFile
