#include "platform/FileIo.h"

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
        // Leave a torn write behind, as a crash would.
        (void)!::write(fd, bytes.data(), bytes.size() / 2);
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

bool writeAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    const std::filesystem::path temporary = temporarySibling(path);
#ifndef _WIN32
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = writeFully(fd, bytes) && ::fsync(fd) == 0;
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
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool append(const std::filesystem::path &path, std::string_view bytes)
{
#ifndef _WIN32
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeFully(fd, bytes);
    return (::close(fd) == 0) && ok;
#else
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out || s_writesFail)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
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

bool remove(const std::filesystem::path &path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
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
