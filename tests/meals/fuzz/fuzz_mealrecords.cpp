// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the meal day file reader: any bytes must decode without reading past them,
// and whatever decodes must encode back to the same whole records.
#include "meals/MealRebase.h"
#include "meals/MealRecord.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A heap block of exactly the input's size, so a read past it is caught.
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view image(copy.get(), size);

    const MealRecord::Decoded decoded = MealRecord::Decode(image);
    if (decoded.consumed > size)
        std::abort();
    std::string again;
    for (const MealEntry &entry : decoded.entries)
        again += MealRecord::Encode(entry);
    if (again != image.substr(0, decoded.consumed))
        std::abort();
    MealRecord::DayCalories(image);

    // The records as rows another writer may have changed: any split of the bytes into the rows
    // shown and the file now is matched without reading past either.
    const std::size_t half = size / 2;
    const std::string_view shown = image.substr(0, half);
    const std::string_view now = image.substr(half);
    const std::vector<std::string_view> shownRecords = MealRebase::Records(shown);
    const std::vector<std::string_view> nowRecords = MealRebase::Records(now);
    const std::vector<std::ptrdiff_t> match = MealRebase::Match(shownRecords, nowRecords);
    for (std::size_t i = 0; i < match.size(); ++i) {
        if (match[i] >= std::ptrdiff_t(nowRecords.size()) ||
            (match[i] >= 0 && shownRecords[i] != nowRecords[std::size_t(match[i])]))
            std::abort();
    }
    if (!shownRecords.empty())
        (void)MealRebase::Remove(shown, {0}, now);
    return 0;
}
