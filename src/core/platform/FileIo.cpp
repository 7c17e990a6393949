#include "platform/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace FileIo {

namespace {

bool s_writesFail = false;

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
#endif

std::filesystem::path temporarySibling(const std::filesystem::path &path)
{
    static std::mt19937 random {std::random_device {}()};
    const auto suffix = std::to_string(random() % 1000000000u);
    auto name = path.filename();
    name += ".tmp" + suffix;
    return path.parent_path() / name;
}

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
        problem = Problem::NotAFile;
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
    const std::filesystem::path temporary = temporarySibling(path);
#ifndef _WIN32
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return Result::failure(path, errno);
    bool ok = writeFully(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = ok ? 0 : (errno != 0 ? errno : EIO);
    ok = (::close(fd) == 0) && ok;
#else
    bool ok = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out && !s_writesFail) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            ok = static_cast<bool>(out);
        }
    }
#endif
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
#ifndef _WIN32
        return Result::failure(path, !ok ? writeError : error.value());
#else
        return Result::failure(path, Problem::Other);
#endif
    }
    return Result::success(path);
}

Result append(const std::filesystem::path &path, std::string_view bytes)
{
#ifndef _WIN32
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return Result::failure(path, errno);
    bool ok = writeFully(fd, bytes);
    const int writeError = ok ? 0 : (errno != 0 ? errno : EIO);
    ok = (::close(fd) == 0) && ok;
    return ok ? Result::success(path) : Result::failure(path, writeError != 0 ? writeError : errno);
#else
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out || s_writesFail)
        return Result::failure(path, Problem::Other);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.flush() ? Result::success(path) : Result::failure(path, Problem::Other);
#endif
}

std::optional<std::string> readAll(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    if (!regularFileSize(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

Result remove(const std::filesystem::path &path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    return error ? Result::failure(path, error.value()) : Result::success(path);
}

std::optional<std::uintmax_t> regularFileSize(const std::filesystem::path &path)
{
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

} // namespace FileIo
