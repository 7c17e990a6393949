// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for typed numbers: any text parses without reading past it, and text made of
// the characters a decimal number uses parses to what the C library's strtod gives in the "C"
// locale, bit for bit, overflow, underflow and the sign of zero included.
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);

    const double parsed = NumberText::parse(text);
    if (std::isnan(parsed))
        std::abort();

    // strtod also reads hexadecimal, "inf" and "nan", which a typed amount never means.
    if (text.find_first_not_of(" \t\n\v\f\r+-.0123456789eE") != std::string_view::npos)
        return 0;
    const std::string terminated(text);
    const double expected = std::strtod(terminated.c_str(), nullptr);
    if (std::memcmp(&parsed, &expected, sizeof parsed) != 0)
        std::abort();
    (void)NumberText::fixed(parsed, int(size % 8));
    return 0;
}
