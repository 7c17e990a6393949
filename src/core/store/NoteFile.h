// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// A day's diary note: the note's text and nothing else, with CR LF between lines on every
// platform. A day without a note has no file; an emptied note stays as a file of 0 bytes.
namespace NoteFile {

// Editor text, whatever its line breaks, as the file stores it: every break becomes CR LF.
std::string ToFileBytes(std::string_view text);

// File bytes as editor text: every break (CR LF, a lone LF or a lone CR) as one LF, a zero byte
// as a space.
std::string FromFileBytes(std::string_view bytes);

struct Note
{
    enum class State {
        Absent, // no file: an empty note, which the first edit creates
        Loaded,
        Unreadable, // a file that cannot be read, or too large to be a note: must not be replaced
    };
    State state = State::Absent;
    std::string text;
    // Of the file's bytes (Fingerprint), so a later save can tell whether another writer has
    // changed the file since.
    std::uint64_t fingerprint = 0;
};

// Tells one content of a note file from another; a missing file counts as empty.
std::uint64_t Fingerprint(std::string_view bytes);

// Larger files are not notes anyone typed; they are left alone rather than loaded.
inline constexpr std::uintmax_t MaxBytes = 16u * 1024 * 1024;

Note Read(const std::filesystem::path &path);
// Whether Read() would find the file Unreadable; reads it through without keeping its bytes.
bool Unreadable(const std::filesystem::path &path);

// Replaces the file with the text, through a temporary file so a crash never leaves a part.
// A file the user made read-only is left as it is, and so is a text too large to read back.
FileIo::Result Write(const std::filesystem::path &path, std::string_view text);

} // namespace NoteFile
