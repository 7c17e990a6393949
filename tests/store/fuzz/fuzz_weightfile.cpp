// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the weight file's bytes: any bytes decode without reading past them, fewer
// than four give nothing, and the weight is exactly the first four bytes, little-endian.
#include "store/WeightFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A heap block of exactly the input's size, so a read past it is caught.
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view bytes(copy.get(), size);

    const std::optional<float> weight = WeightFile::Decode(bytes);
    if (size < 4) {
        if (weight)
            std::abort();
        return 0;
    }
    if (!weight)
        std::abort();
    const std::uint32_t expected = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 |
        std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &*weight, sizeof bits);
    if (bits != expected)
        std::abort();
    // Whatever follows the four bytes does not change the weight.
    const std::optional<float> alone = WeightFile::Decode(bytes.substr(0, 4));
    if (!alone || std::memcmp(&*alone, &*weight, sizeof bits) != 0)
        std::abort();
    return 0;
}
