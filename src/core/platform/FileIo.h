#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The one place where user files are read and written. Whole-file rewrites go to a temporary
// file in the same folder that is renamed over the old one, so a crash or a full disk never
// leaves a half-written day; an append writes one record in one call.
namespace FileIo {

// Why a file could not be written or read, in terms a user can be told.
enum class Problem {
    None,
    DiskFull, // no space left (or quota exceeded)
    ReadOnly, // the file, its folder or the whole disk is read-only
    NoPermission, // the folder or file belongs to someone else
    NotAFile, // a folder, a pipe or a device sits where the file should be
    TooLarge, // larger than the program reads back
    Unreadable, // there, but it could not be read
    Other,
};

// The outcome of a write or a removal. Callers must look at it: a failure is told to the user.
struct [[nodiscard]] Result
{
    Problem problem = Problem::None;
    int error = 0; // the system's error number, when there was one
    std::filesystem::path file;

    bool ok() const { return problem == Problem::None; }
    explicit operator bool() const { return ok(); }

    static Result success(const std::filesystem::path &file) { return {Problem::None, 0, file}; }
    // The problem an errno value stands for.
    static Result failure(const std::filesystem::path &file, int error);
    static Result failure(const std::filesystem::path &file, Problem problem)
    {
        return {problem, 0, file};
    }
};

// Replaces the file's content with `bytes`. On failure the old file is left as it was.
Result writeAtomically(const std::filesystem::path &path, std::string_view bytes);

// Appends `bytes` at the end of the file, creating it when missing; never truncates.
Result append(const std::filesystem::path &path, std::string_view bytes);

// The whole file, or nothing when it cannot be opened or is larger than `maxBytes`.
std::optional<std::string> readAll(const std::filesystem::path &path,
                                   std::uintmax_t maxBytes = 64u * 1024 * 1024);

// Deletes the file; a missing file is no error.
Result remove(const std::filesystem::path &path);

// Size of a regular file, or nothing when it is missing, a directory or cannot be queried.
std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path &path);

// Test seam: while set, every write fails after writing part of its bytes, as a full disk or a
// crash in the middle of a write would.
void setWritesFailForTesting(bool fail);

} // namespace FileIo
