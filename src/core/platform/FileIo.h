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

// Replaces the file's content with `bytes`. On failure the old file is left as it was.
bool writeAtomically(const std::filesystem::path &path, std::string_view bytes);

// Appends `bytes` at the end of the file, creating it when missing; never truncates.
bool append(const std::filesystem::path &path, std::string_view bytes);

// The whole file, or nothing when it cannot be opened or is larger than `maxBytes`.
std::optional<std::string> readAll(const std::filesystem::path &path,
                                   std::uintmax_t maxBytes = 64u * 1024 * 1024);

// Deletes the file; a missing file is no error.
bool remove(const std::filesystem::path &path);

// Size of a regular file, or nothing when it is missing, a directory or cannot be queried.
std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path &path);

// Test seam: while set, every write fails after writing part of its bytes, as a full disk or a
// crash in the middle of a write would.
void setWritesFailForTesting(bool fail);

} // namespace FileIo
