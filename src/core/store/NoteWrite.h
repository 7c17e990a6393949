// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// One save of a day's note, made apart from the store so that a long note can be written on
// another thread: it uses nothing of the store's and may run anywhere. DayStore::NoteWritten,
// back on the store's thread, learns from the outcome what the write did to the note folder.
//
// The file is locked from the look at what it holds until the new text is in. A file another
// writer changed meanwhile is not lost: its text is kept beside it as a conflict copy first.
struct NoteWrite
{
    std::filesystem::path file;
    FileIo::Result result;
    bool tried = false; // false: refused before the file was touched
    // The note folder's time stamp just before and just after the write.
    std::optional<std::filesystem::file_time_type> before;
    std::optional<std::filesystem::file_time_type> after;
    // What the file holds after a successful write (NoteFile::Fingerprint).
    std::uint64_t fingerprint = 0;
    // Where the text another writer had stored meanwhile was kept, beside the note as a
    // conflict copy; empty when the file held one of the `accepted` versions.
    std::filesystem::path keptAside;

    // Writes `text` to `file`. `accepted`: the versions of the file the writer has seen or
    // written (fingerprints); a file that holds another is kept aside before it is replaced.
    // Empty: any is replaced.
    static NoteWrite run(const std::filesystem::path &file, std::string_view text,
                         const std::vector<std::uint64_t> &accepted = {});
};
