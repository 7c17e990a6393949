// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX half of FileIo: non-blocking opens of regular files only, writes synced to the disk,
// a rewrite renamed into place and its folder synced after.
#include "platform/FileIoNative.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace FileIo {

namespace {

bool writeFully(int fd, std::string_view bytes)
{
    if (Native::writesFail()) {
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
    if ((flags & O_ACCMODE) != O_RDONLY && Native::openError() != 0) {
        failure = writeFailure(path, Native::openError(), exists);
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
        if (Native::openError() != 0) {
            error = Native::openError();
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

} // namespace

Result writeAtomically(const std::filesystem::path &path, std::string_view bytes)
{
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
        path, temporary, [&] { return Native::temporarySibling(path); }, failure);
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
}

Result append(const std::filesystem::path &path, std::string_view bytes)
{
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
}

Result readStart(const std::filesystem::path &path, std::string &bytes, std::size_t count)
{
    bytes.assign(count, '\0');
    std::size_t done = 0;
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
}

Result canWriteInto(const std::filesystem::path &folder)
{
    fs::path probe;
    Result failure;
    const auto probeName = [&] {
        return folder /
            (".write-probe-" + std::to_string(::getpid()) + "-" + std::to_string(Native::draw()));
    };
    const int fd = createFresh(folder / ".write-probe", probe, probeName, failure);
    if (fd < 0)
        return {failure.problem, failure.error, folder};
    ::close(fd);
    if (::unlink(probe.c_str()) != 0)
        return Result::failure(folder, errno);
    return Result::success(folder);
}

namespace Native {

Result readThrough(const std::filesystem::path &path, std::uintmax_t maxBytes, const Keep &keep)
{
    std::uintmax_t size = 0;
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
}

} // namespace Native

} // namespace FileIo
