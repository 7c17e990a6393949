// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CompleteDays.h"

#include "store/DayStore.h"

#include <filesystem>
#include <system_error>

namespace CompleteDays {

bool IsComplete(const DayStore &store, const DayFiles::LocalDate &day)
{
    std::error_code error;
    return std::filesystem::is_regular_file(store.DataFilePath(day, Extension), error);
}

FileIo::Result Mark(const DayStore &store, const DayFiles::LocalDate &day, bool complete)
{
    const std::filesystem::path path = store.DataFilePath(day, Extension);
    if (complete == IsComplete(store, day))
        return FileIo::Result::success(path);
    // A word inside, for whoever opens the folder.
    return complete ? FileIo::writeAtomically(path, "complete\n") : FileIo::remove(path);
}

} // namespace CompleteDays
