#include "platform/FileIo.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::filesystem::path temporarySibling(const std::filesystem::path &path)
{
    const auto suffix = std::to_string(generator()() % 1000000000u);
    auto name = path.filename();
    name += ".tmp" + suffix;
    return path.parent_path() / name;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (!isDigit(c))
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
        if (keyShape[i] == '0' ? !isDigit(name[i]) : name[i] != keyShape[i])
            return false;
    name.remove_prefix(keyShape.size());
    for (const std::string_view extension : {"db.tmp", "wth.tmp", "txt.tmp"})
        if (name.starts_with(extension))
            return isDigits(name.substr(extension.size()));
    return false;
}

#ifndef _WIN32
bool writeFully(int fd, std::string_view bytes)
{
    if (s_writesFail) {
        // Leave a torn write behind, as a crash would, and fail as a full disk does.
        (void)!::write(fd, bytes.data(), bytes.size() / 2);
        errno = ENOSPC;
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

fs::path folderOf(const fs::path &path)
{
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

bool ownedReadOnly(const fs::path &path)
{
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0 && status.st_uid == ::geteuid() &&
        (status.st_mode & S_IWUSR) == 0;
}

// A refused write said the way the user sees it: a file or folder of theirs whose write
// permission is off is read-only, not somebody else's.
Result writeFailure(const fs::path &path, int error, bool fileExists)
{
    if (error == EACCES || error == EPERM) {
        if (fileExists && ownedReadOnly(path))
            return {Problem::ReadOnly, error, path};
        if (!fileExists && ownedReadOnly(folderOf(path)))
            return {Problem::ReadOnlyFolder, error, path};
    }
    return Result::failure(path, error);
}

// A file whose owner may not write it was made read-only on purpose: a rename or an open as
// the administrator would still replace it, so it is refused here, the same for every write.
bool madeReadOnly(const struct stat &status)
{
    return S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0;
}

Result notAFile(const fs::path &path, const struct stat &status)
{
    return {Problem::NotAFile, S_ISDIR(status.st_mode) ? EISDIR : ENXIO, path};
}

// Opens a user file without waiting on it, and only a regular file. The check before opening
// spares a device the side effects of an open; the one after closes the gap between the two.
int openRegular(const fs::path &path, int flags, Result &failure)
{
    struct stat status
    {
    };
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        failure = notAFile(path, status);
        return -1;
    }
    if ((flags & O_ACCMODE) != O_RDONLY && s_openError != 0) {
        failure = writeFailure(path, s_openError, exists);
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        failure = (flags & O_ACCMODE) == O_RDONLY ? Result::failure(path, error)
                                                  : writeFailure(path, error, exists);
        return -1;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        failure = notAFile(path, status);
        ::close(fd);
        return -1;
    }
    return fd;
}

// Creates a new file of a fresh name beside `near`; O_EXCL never opens what is already there,
// so a pipe planted under one of the names cannot make this wait.
int createFresh(const fs::path &near, fs::path &created, const auto &nameFor, Result &failure)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        created = nameFor();
        if (s_openError != 0) {
            error = s_openError;
            break;
        }
        const int fd =
            ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd >= 0)
            return fd;
        error = errno;
    }
    failure = writeFailure(near, error, false);
    return -1;
}

// After a rename the folder's entry must reach the disk too, or a power cut can bring the old
// file back. A file system that cannot sync a folder is no failure: the file's bytes are synced.
int syncFolder(const fs::path &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    int error = 0;
    if (::fsync(fd) != 0 &&
        (errno == EIO || errno == ENOSPC
#ifdef EDQUOT
         || errno == EDQUOT
#endif
         ))
        error = errno;
    ::close(fd);
    return error;
}
#endif

} // namespace

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

Result writeAtomically(const std::filesystem::path &path, std::string_view bytes)
{
#ifndef _WIN32
    // A rename replaces a pipe or a device as quietly as a file.
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return notAFile(path, status);
    if (madeReadOnly(status))
        return {Problem::ReadOnly, EACCES, path};

    fs::path temporary;
    Result failure;
    const int fd = createFresh(
        path, temporary, [&] { return temporarySibling(path); }, failure);
    if (fd < 0)
        return failure;
    bool ok = writeFully(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return Result::failure(path, error);
    }
    // The new content is in place; a folder that did not reach the disk is still told, and the
    // next save writes it again.
    if (const int syncError = syncFolder(folderOf(path)); syncError != 0)
        return Result::failure(path, syncError);
    return Result::success(path);
#else
    const std::filesystem::path temporary = temporarySibling(path);
    bool ok = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out && !s_writesFail && s_openError == 0) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            ok = static_cast<bool>(out);
        }
    }
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Result::failure(path, Problem::Other);
    }
    return Result::success(path);
#endif
}

Result append(const std::filesystem::path &path, std::string_view bytes)
{
#ifndef _WIN32
    Result failure;
    const int fd = openRegular(path, O_WRONLY | O_CREAT | O_APPEND, failure);
    if (fd < 0)
        return failure;
    struct stat before
    {
    };
    const bool sized = ::fstat(fd, &before) == 0;
    if (sized && madeReadOnly(before)) {
        ::close(fd);
        return {Problem::ReadOnly, EACCES, path};
    }
    bool ok = writeFully(fd, bytes) && ::fdatasync(fd) == 0;
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    // A record is whole or absent: a torn one would shift every record appended after it.
    if (!ok && sized)
        (void)!::ftruncate(fd, before.st_size);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? Result::success(path) : Result::failure(path, error);
#else
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out || s_writesFail || s_openError != 0)
        return Result::failure(path, Problem::Other);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.flush() ? Result::success(path) : Result::failure(path, Problem::Other);
#endif
}

Result readStart(const std::filesystem::path &path, std::string &bytes, std::size_t count)
{
    bytes.assign(count, '\0');
    std::size_t done = 0;
#ifndef _WIN32
    Result failure;
    const int fd = openRegular(path, O_RDONLY, failure);
    if (fd < 0) {
        bytes.clear();
        return failure;
    }
    int error = 0;
    while (done < count) {
        const ssize_t n = ::read(fd, bytes.data() + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    if (error != 0) {
        bytes.clear();
        return {Problem::Unreadable, error, path};
    }
    return Result::success(path);
#else
    std::ifstream in(path, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(path)) {
        bytes.clear();
        return Result::failure(path, Problem::Unreadable);
    }
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return Result::success(path);
#endif
}

namespace {

// Reads the file through in chunks, handing each to keep(data, size); read() and readable().
template<typename Keep>
Result readThrough(const std::filesystem::path &path, std::uintmax_t maxBytes, Keep keep)
{
    std::uintmax_t size = 0;
#ifndef _WIN32
    Result failure;
    const int fd = openRegular(path, O_RDONLY, failure);
    if (fd < 0)
        return failure;
    char chunk[65536];
    int error = 0;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            break;
        }
        if (n == 0)
            break;
        size += static_cast<std::uintmax_t>(n);
        if (size > maxBytes) {
            ::close(fd);
            return Result::failure(path, Problem::TooLarge);
        }
        keep(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (error != 0)
        return {Problem::Unreadable, error, path};
    return Result::success(path);
#else
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Result::failure(path, Problem::Missing);
    if (!std::filesystem::is_regular_file(status))
        return Result::failure(path, Problem::NotAFile);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result::failure(path, Problem::Unreadable);
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        size += static_cast<std::uintmax_t>(in.gcount());
        if (size > maxBytes)
            return Result::failure(path, Problem::TooLarge);
        keep(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return Result::failure(path, Problem::Unreadable);
    return Result::success(path);
#endif
}

} // namespace

Result read(const std::filesystem::path &path, std::string &bytes, std::uintmax_t maxBytes)
{
    bytes.clear();
    Result result = readThrough(
        path, maxBytes, [&](const char *data, std::size_t size) { bytes.append(data, size); });
    if (!result.ok())
        bytes.clear();
    return result;
}

Result readable(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    return readThrough(path, maxBytes, [](const char *, std::size_t) {});
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

Result canWriteInto(const std::filesystem::path &folder)
{
#ifndef _WIN32
    fs::path probe;
    Result failure;
    const auto probeName = [&] {
        return folder /
            (".write-probe-" + std::to_string(::getpid()) + "-" + std::to_string(generator()()));
    };
    const int fd = createFresh(folder / ".write-probe", probe, probeName, failure);
    if (fd < 0)
        return {failure.problem, failure.error, folder};
    ::close(fd);
    if (::unlink(probe.c_str()) != 0)
        return Result::failure(folder, errno);
    return Result::success(folder);
#else
    const fs::path probe = folder / (".write-probe-" + std::to_string(generator()()));
    if (s_openError != 0)
        return Result::failure(folder, Problem::Other);
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out)
            return Result::failure(folder, Problem::NoPermission);
    }
    std::error_code error;
    std::filesystem::remove(probe, error);
    return error ? Result::failure(folder, Problem::Other) : Result::success(folder);
#endif
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
