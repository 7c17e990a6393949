// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The one place where user files are read and written. Whole-file rewrites go to a temporary
// file in the same folder that is renamed over the old one, so a crash or a full disk never
// leaves a half-written day; an append writes one record in one call, or nothing. Every open is
// non-blocking and accepts only regular files: a pipe or a device with a day file's name is
// refused at once, never waited on. What counts as saved has been synced to the disk.
namespace FileIo {

// Why a file could not be written or read, in terms a user can be told.
enum class Problem {
    None,
    DiskFull, // no space left (or quota exceeded)
    ReadOnly, // the file, or the whole disk (error EROFS), is read-only
    ReadOnlyFolder, // the folder the file goes in is read-only
    NoPermission, // the folder or file belongs to someone else
    Missing, // the file (on reading) or its folder (on writing) does not exist
    NotAFile, // a folder, a pipe or a device sits where the file should be
    TooLarge, // larger than the program reads back
    Unreadable, // there, but it could not be read
    Changed, // not what the program last read: another program changed it meanwhile
    Other,
};

// The outcome of a write or a removal. Callers must look at it: a failure is told to the user.
struct [[nodiscard]] Result
{
    Problem problem = Problem::None;
    int error = 0; // the system's error number, when there was one
    std::filesystem::path file;
    // The write was made to a file that another writer had changed since it was shown, and
    // kept what that writer stored: the view must be read again.
    bool changedElsewhere = false;

    bool ok() const { return problem == Problem::None; }
    explicit operator bool() const { return ok(); }

    static Result success(const std::filesystem::path &file)
    {
        return {Problem::None, 0, file, false};
    }
    // The problem an errno value stands for.
    static Result failure(const std::filesystem::path &file, int error);
    static Result failure(const std::filesystem::path &file, Problem problem)
    {
        return {problem, 0, file, false};
    }
};

// Replaces the file's content with `bytes`. On failure the old file is left as it was.
Result writeAtomically(const std::filesystem::path &path, std::string_view bytes);

// Appends `bytes` at the end of the file, creating it when missing; never truncates.
Result append(const std::filesystem::path &path, std::string_view bytes);

inline constexpr std::uintmax_t DefaultMaxBytes = 64u * 1024 * 1024;

// Reads the whole file into `bytes`. A missing file is Problem::Missing; anything that is not a
// regular file is Problem::NotAFile; a file larger than `maxBytes` is Problem::TooLarge.
Result read(const std::filesystem::path &path, std::string &bytes,
            std::uintmax_t maxBytes = DefaultMaxBytes);

// Reads the file through as read() does, keeping nothing: whether read() would succeed, without
// the memory for the whole file.
Result readable(const std::filesystem::path &path, std::uintmax_t maxBytes = DefaultMaxBytes);

// The first `count` bytes of the file (fewer when it is shorter), however long it is.
Result readStart(const std::filesystem::path &path, std::string &bytes, std::size_t count);

// The whole file, or nothing when it cannot be read (see read() for why).
std::optional<std::string> readAll(const std::filesystem::path &path,
                                   std::uintmax_t maxBytes = DefaultMaxBytes);

// Deletes the file; a missing file is no error, and anything but a file or a link is refused.
Result remove(const std::filesystem::path &path);

// Whether files can be created in the folder: creates and removes a probe file of a name no one
// else uses, so that nothing planted in the folder can stop or fool the test.
Result canWriteInto(const std::filesystem::path &folder);

// Removes the temporary files an interrupted rewrite of a day file left in the folder: regular
// files named "<mm-dd-yyyy>.<db|wth|txt>.tmp<digits>", nothing else. Returns how many went.
int removeStaleTemporaries(const std::filesystem::path &folder);

// Size of a regular file, or nothing when it is missing, a directory or cannot be queried.
std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path &path);

// Test seam: while set, every write fails with ENOSPC after writing part of its bytes, as a full
// disk or a crash in the middle of a write would.
void setWritesFailForTesting(bool fail);

// Test seam: while not 0, every open for writing (a temporary, an append, the probe) fails with
// this error number, as on a read-only disk (EROFS) or a folder the user cannot write (EACCES).
void setOpenErrorForTesting(int error);

} // namespace FileIo
