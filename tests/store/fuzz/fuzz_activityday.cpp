// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for a day's activities file: any bytes parse, every line is kept (a rewrite
// after an added activity starts with the old bytes), and what is read keeps the limits an added
// activity must keep.
#include "store/ActivityDay.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view bytes(copy.get(), size);

    ActivityDay day;
    day.parse(bytes);
    for (const Activity &activity : day.activities()) {
        if (!ActivityDay::Problem(activity).empty())
            std::abort();
    }
    const std::size_t before = day.activities().size();
    day.add({"Walk", 30, 120});
    const std::string image = day.image();
    if (!image.starts_with(bytes) || day.activities().size() != before + 1 ||
        !image.ends_with("Walk\t30\t120\n"))
        std::abort();
    return 0;
}
