// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NoteFile.h"

#include "platform/FileIo.h"

#include <system_error>

namespace NoteFile {

std::string ToFileBytes(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            bytes += "\r\n";
        } else {
            bytes += c;
        }
    }
    return bytes;
}

std::string FromFileBytes(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            text += '\n';
        } else {
            // A zero byte would end the text early in the editor, and the next save would
            // drop everything after it.
            text += c == '\0' ? ' ' : c;
        }
    }
    return text;
}

std::uint64_t Fingerprint(std::string_view bytes)
{
    // FNV-1a: no more is needed to tell two versions of a note apart.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash ^ bytes.size();
}

Note Read(const std::filesystem::path &path)
{
    if (const std::optional<std::string> bytes = FileIo::readAll(path, MaxBytes))
        return {Note::State::Loaded, FromFileBytes(*bytes), Fingerprint(*bytes)};
    std::error_code error;
    const bool absent = !std::filesystem::exists(path, error) && !error;
    return {absent ? Note::State::Absent : Note::State::Unreadable, {}, Fingerprint({})};
}

bool Unreadable(const std::filesystem::path &path)
{
    const FileIo::Result result = FileIo::readable(path, MaxBytes);
    return !result.ok() && result.problem != FileIo::Problem::Missing;
}

FileIo::Result Write(const std::filesystem::path &path, std::string_view text)
{
    const std::string bytes = ToFileBytes(text);
    // What is written must read back.
    if (bytes.size() > MaxBytes)
        return FileIo::Result::failure(path, FileIo::Problem::TooLarge);
    return FileIo::writeAtomically(path, bytes);
}

} // namespace NoteFile
