// SPDX-License-Identifier: GPL-3.0-or-later
// What FileIo does the same on every system; the system calls are in FileIoPosix.cpp and
// FileIoWindows.cpp, one of which is built.
#include "platform/FileIo.h"

#include "platform/FileIoNative.h"
#include "platform/NumberText.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace FileIo {

namespace {

// Set by tests on one thread, read by writes on any.
std::atomic<bool> s_writesFail = false;
std::atomic<int> s_openError = 0;

// Files are written from more than one thread: each draws its temporary names from its own.
std::mt19937 &generator()
{
    thread_local std::mt19937 generator {std::random_device {}()};
    return generator;
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (!NumberText::isDigit(c))
            return false;
    return true;
}

// "<mm-dd-yyyy>.<db|wth|txt>.tmp<digits>": what temporarySibling makes of a day file's name.
bool isDayFileTemporary(std::string_view name)
{
    constexpr std::string_view keyShape = "00-00-0000.";
    if (name.size() < keyShape.size())
        return false;
    for (std::size_t i = 0; i < keyShape.size(); ++i)
        if (keyShape[i] == '0' ? !NumberText::isDigit(name[i]) : name[i] != keyShape[i])
            return false;
    name.remove_prefix(keyShape.size());
    for (const std::string_view extension : {"db.tmp", "wth.tmp", "txt.tmp"})
        if (name.starts_with(extension))
            return isDigits(name.substr(extension.size()));
    return false;
}

} // namespace

namespace Native {

bool writesFail()
{
    return s_writesFail;
}

int openError()
{
    return s_openError;
}

std::uint_fast32_t draw()
{
    return generator()();
}

std::filesystem::path temporarySibling(const std::filesystem::path &path)
{
    const auto suffix = std::to_string(draw() % 1000000000u);
    auto name = path.filename();
    name += ".tmp" + suffix;
    return path.parent_path() / name;
}

} // namespace Native

Result Result::failure(const std::filesystem::path &file, int error)
{
    Problem problem = Problem::Other;
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        problem = Problem::DiskFull;
        break;
    case EROFS:
        problem = Problem::ReadOnly;
        break;
    case EACCES:
    case EPERM:
        problem = Problem::NoPermission;
        break;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        problem = Problem::NotAFile;
        break;
    case ENOENT:
    case ENOTDIR:
        problem = Problem::Missing;
        break;
    case EFBIG:
        problem = Problem::TooLarge;
        break;
    default:
        break;
    }
    return {problem, error, file};
}

Result read(const std::filesystem::path &path, std::string &bytes, std::uintmax_t maxBytes)
{
    bytes.clear();
    Result result = Native::readThrough(
        path, maxBytes, [&](const char *data, std::size_t size) { bytes.append(data, size); });
    if (!result.ok())
        bytes.clear();
    return result;
}

Result readable(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    return Native::readThrough(path, maxBytes, [](const char *, std::size_t) {});
}

std::optional<std::string> readAll(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    std::string bytes;
    if (!read(path, bytes, maxBytes))
        return std::nullopt;
    return bytes;
}

Result remove(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_symlink(status))
        return Result::failure(path, Problem::NotAFile);
    // Deleting a file the user made read-only is writing it too.
    if (!error && std::filesystem::is_regular_file(status) &&
        (status.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none)
        return {Problem::ReadOnly, EACCES, path};
    std::filesystem::remove(path, error);
    return error ? Result::failure(path, error.value()) : Result::success(path);
}

int removeStaleTemporaries(const std::filesystem::path &folder)
{
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statusError;
        if (!isDayFileTemporary(name) || !it->is_regular_file(statusError) ||
            it->is_symlink(statusError))
            continue;
        std::error_code ignored;
        if (std::filesystem::remove(it->path(), ignored))
            ++removed;
    }
    return removed;
}

std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path &path)
{
    // A status query never opens the file, so it cannot wait on a pipe either.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return size;
}

void setWritesFailForTesting(bool fail)
{
    s_writesFail = fail;
}

void setOpenErrorForTesting(int error)
{
    s_openError = error;
}

} // namespace FileIo
