// libFuzzer entry for the meal day file reader: any bytes must decode without reading past them,
// and whatever decodes must encode back to the same whole records.
#include "meals/MealRecord.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

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
    return 0;
}
