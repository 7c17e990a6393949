// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CompactNumber.h"

#include "platform/NumberText.h"

#include <charconv>
#include <cmath>

namespace CompactNumber {

namespace {

// "1.50e+07" becomes "1.5e7": no plus sign, no leading zeros in the exponent, no trailing
// zeros in the mantissa.
std::string scientific(double value, int digits)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits);
    if (result.ec != std::errc())
        return {};
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    if (exponent.empty())
        return mantissa;
    return mantissa + (negative ? "e-" : "e") + exponent;
}

} // namespace

std::string fit(double value, int decimals, const std::function<bool(const std::string &)> &fits)
{
    for (int d = decimals; d >= 0; --d) {
        std::string text = NumberText::fixed(value, d);
        if (fits(text))
            return text;
    }
    if (!std::isfinite(value))
        return {};
    for (int digits = 6; digits >= 0; --digits) {
        std::string text = scientific(value, digits);
        if (fits(text))
            return text;
    }
    return {};
}

std::string fit(double value, int decimals, std::size_t maxChars)
{
    return fit(value, decimals,
               [maxChars](const std::string &text) { return text.size() <= maxChars; });
}

} // namespace CompactNumber
