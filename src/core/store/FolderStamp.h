// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <system_error>

// When a folder last changed, as the file system says; nothing when it cannot say. A folder whose
// stamp moved has had a file added, removed or renamed in it.
inline std::optional<std::filesystem::file_time_type>
FolderStamp(const std::filesystem::path &directory)
{
    std::error_code error;
    const std::filesystem::file_time_type stamp =
        std::filesystem::last_write_time(directory, error);
    if (error)
        return std::nullopt;
    return stamp;
}
