// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <optional>

// An exclusive lock on the file now at a path, held by every writer that changes a day file in
// place or replaces it: the window, the command line and a second window of either. A rewrite
// takes it before it reads what it will rewrite and keeps it until the new file is renamed in,
// so an append never lands in a file that is about to be replaced. Advisory only: a sync engine
// does not take it, which is why rewrites also compare what they read with what was shown.
class FileLock
{
public:
    // Locks the file at `path`, waiting a few seconds at most for another writer. A missing file
    // is created empty when `create` is set (so that there is something to lock) and otherwise
    // gives Problem::Missing. Only a regular file is locked.
    static std::optional<FileLock> acquire(const std::filesystem::path &path, bool create,
                                           FileIo::Result &failure);

    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&other) = delete;
    FileLock(const FileLock &) = delete;
    ~FileLock();

    // Whether this lock made the file, which was missing before.
    bool created() const { return m_created; }

private:
    FileLock(int handle, bool created) : m_handle(handle), m_created(created) { }

    int m_handle = -1;
    bool m_created = false;
};
