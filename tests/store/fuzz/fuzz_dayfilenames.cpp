// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the history scan's file names: any name gives a day only when it is that
// day's own key plus the extension, and never reads past the name.
#include "calendar/DayFiles.h"
#include "store/ConflictCopies.h"
#include "store/HistoryScan.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("TZ", "Europe/Berlin", 1); // a zone with daylight saving
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the extension; the rest is the name, in a block of its exact size.
    const char *extension = (data[0] & 1) != 0 ? "wth" : "db";
    ++data;
    --size;
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view name(copy.get(), size);

    // A conflict copy's name stands for one of the diary's own files, never for itself.
    if (const auto copy = ConflictCopies::Recognise(name)) {
        if (copy->original == name)
            std::abort();
        if (copy->kind != ConflictCopies::Kind::OwnFoods &&
            !HistoryScan::DateOfFileName(copy->original,
                                         copy->original.substr(copy->original.rfind('.') + 1)))
            std::abort();
    }

    const std::optional<std::int64_t> date = HistoryScan::DateOfFileName(name, extension);
    if (!date)
        return 0;
    if (DayFiles::DayKey(*date) + "." + extension != name)
        std::abort();
    const DayFiles::LocalDate local = DayFiles::LocalDateOf(*date);
    if (DayFiles::NoonOf(local.day, local.month, local.year) != *date)
        std::abort();
    return 0;
}
