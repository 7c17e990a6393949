// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NoteWrite.h"

#include "platform/Clock.h"
#include "platform/FileLock.h"
#include "store/ConflictCopies.h"
#include "store/FolderStamp.h"
#include "store/NoteFile.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// "2026-12-05 143022" of the local time now, for the name of a copy kept aside.
std::string copyStamp(std::time_t now)
{
    std::tm local {};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    return stamp;
}

// Keeps what another writer stored in a conflict copy beside the file, under a name not taken.
FileIo::Result keepAside(const fs::path &file, std::string_view bytes, fs::path &copy)
{
    const std::time_t now = Clock::now();
    for (int later = 0; later < 60; ++later) {
        copy = file.parent_path() /
            ConflictCopies::CopyName(file.filename().string(), copyStamp(now + later));
        std::error_code error;
        if (!fs::exists(copy, error) && !error)
            return FileIo::writeAtomically(copy, bytes);
    }
    return FileIo::Result::failure(copy, EEXIST);
}

} // namespace

NoteWrite NoteWrite::run(const fs::path &file, std::string_view text,
                         const std::vector<std::uint64_t> &accepted)
{
    NoteWrite write {file, FileIo::Result::success(file), false, std::nullopt, std::nullopt, 0, {}};
    if (NoteFile::Unreadable(file)) {
        write.result = FileIo::Result::failure(file, FileIo::Problem::Unreadable);
        return write;
    }
    write.tried = true;
    write.before = FolderStamp(file.parent_path());
    {
        // Held from the look at what the file holds until the new text is in.
        FileIo::Result failure;
        const std::optional<FileLock> lock = FileLock::acquire(file, false, failure);
        std::string now;
        if (lock && !accepted.empty()) {
            if (const FileIo::Result read = FileIo::read(file, now, NoteFile::MaxBytes);
                !read.ok()) {
                write.result = read;
                return write;
            }
            const std::uint64_t found = NoteFile::Fingerprint(now);
            if (std::find(accepted.begin(), accepted.end(), found) == accepted.end()) {
                write.result = keepAside(file, now, write.keptAside);
                if (!write.result.ok())
                    return write;
            }
        }
        write.result = NoteFile::Write(file, text);
    }
    write.result.changedElsewhere = !write.keptAside.empty();
    if (write.result.ok())
        write.fingerprint = NoteFile::Fingerprint(NoteFile::ToFileBytes(text));
    write.after = FolderStamp(file.parent_path());
    return write;
}
