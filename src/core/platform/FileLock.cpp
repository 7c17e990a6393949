// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLock.h"

#include <cerrno>
#include <chrono>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr auto Patience = std::chrono::seconds(5);
constexpr auto Pause = std::chrono::milliseconds(5);

} // namespace

#ifndef _WIN32

std::optional<FileLock> FileLock::acquire(const std::filesystem::path &path, bool create,
                                          FileIo::Result &failure)
{
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    for (;;) {
        struct stat before
        {
        };
        const bool existed = ::stat(path.c_str(), &before) == 0;
        if (!existed && errno != ENOENT) {
            failure = FileIo::Result::failure(path, errno); // a link loop, no permission
            return std::nullopt;
        }
        if (existed && !S_ISREG(before.st_mode)) {
            failure = {FileIo::Problem::NotAFile, S_ISDIR(before.st_mode) ? EISDIR : ENXIO, path};
            return std::nullopt;
        }
        if (!existed && !create) {
            failure = FileIo::Result::failure(path, FileIo::Problem::Missing);
            return std::nullopt;
        }
        const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (existed ? 0 : O_CREAT | O_EXCL);
        const int fd = existed ? ::open(path.c_str(), flags) : ::open(path.c_str(), flags, 0644);
        if (fd < 0) {
            struct stat link
            {
            };
            if (errno == EEXIST && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
                failure = {FileIo::Problem::Other, ENOENT, path}; // a link to nothing
                return std::nullopt;
            }
            if ((errno == EEXIST || errno == ENOENT) && std::chrono::steady_clock::now() < deadline)
                continue; // made or removed by another writer meanwhile: look again
            failure = FileIo::Result::failure(path, errno);
            return std::nullopt;
        }
        bool locked = false;
        while (!(locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0) &&
               (errno == EWOULDBLOCK || errno == EINTR) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(Pause);
        if (!locked) {
            // A file system without locks still gets the write; one held too long is busy.
            if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS)
                return FileLock(fd, !existed);
            failure = FileIo::Result::failure(path, EBUSY);
            ::close(fd);
            return std::nullopt;
        }
        // The file may have been replaced while we waited: then the lock guards nothing.
        struct stat held
        {
        };
        struct stat now
        {
        };
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &now) == 0 &&
            held.st_dev == now.st_dev && held.st_ino == now.st_ino)
            return FileLock(fd, !existed);
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) {
            failure = FileIo::Result::failure(path, EBUSY);
            return std::nullopt;
        }
    }
}

FileLock::~FileLock()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

#else

// Windows keeps no advisory lock here: a rename over an open file fails there anyway.
std::optional<FileLock> FileLock::acquire(const std::filesystem::path &path, bool create,
                                          FileIo::Result &failure)
{
    std::error_code error;
    const bool existed = std::filesystem::exists(path, error);
    if (!existed && !create) {
        failure = FileIo::Result::failure(path, FileIo::Problem::Missing);
        return std::nullopt;
    }
    return FileLock(-1, !existed);
}

FileLock::~FileLock() = default;

#endif

FileLock::FileLock(FileLock &&other) noexcept : m_handle(other.m_handle), m_created(other.m_created)
{
    other.m_handle = -1;
}
