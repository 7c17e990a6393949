// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows half of FileIo, through the standard library's streams and file system calls.
#include "platform/FileIoNative.h"

#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace FileIo {

Result writeAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    const std::filesystem::path temporary = Native::temporarySibling(path);
    bool ok = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out && !Native::writesFail() && Native::openError() == 0) {
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
}

Result append(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out || Native::writesFail() || Native::openError() != 0)
        return Result::failure(path, Problem::Other);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.flush() ? Result::success(path) : Result::failure(path, Problem::Other);
}

Result readStart(const std::filesystem::path &path, std::string &bytes, std::size_t count)
{
    bytes.assign(count, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(path)) {
        bytes.clear();
        return Result::failure(path, Problem::Unreadable);
    }
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return Result::success(path);
}

Result canWriteInto(const std::filesystem::path &folder)
{
    const fs::path probe = folder / (".write-probe-" + std::to_string(Native::draw()));
    if (Native::openError() != 0)
        return Result::failure(folder, Problem::Other);
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out)
            return Result::failure(folder, Problem::NoPermission);
    }
    std::error_code error;
    std::filesystem::remove(probe, error);
    return error ? Result::failure(folder, Problem::Other) : Result::success(folder);
}

namespace Native {

Result readThrough(const std::filesystem::path &path, std::uintmax_t maxBytes, const Keep &keep)
{
    std::uintmax_t size = 0;
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
}

} // namespace Native

} // namespace FileIo
