// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <charconv>
#include <cmath>

namespace NumberText {

double parse(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    const std::size_t start = i;
    std::size_t digits = 0;
    std::size_t firstNonZero = std::string_view::npos; // among all digits, before and after '.'
    while (i < text.size() && isDigit(text[i])) {
        if (firstNonZero == std::string_view::npos && text[i] != '0')
            firstNonZero = digits;
        ++i;
        ++digits;
    }
    const std::size_t integerDigits = digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            if (firstNonZero == std::string_view::npos && text[i] != '0')
                firstNonZero = digits;
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;

    // An exponent counts only when at least one digit follows it.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                // Far beyond any double either way; saturate rather than wrap.
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        // As strtod: too small gives 0, too large infinity. Which one depends on where the
        // first significant digit sits, not on the exponent's sign: "0.000...1" is tiny and
        // "1000...0e-5" huge.
        const long long magnitude = static_cast<long long>(integerDigits) - 1 -
            static_cast<long long>(firstNonZero) + exponent;
        value = firstNonZero == std::string_view::npos || magnitude < 0 ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::optional<double> whole(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string fixed(double value, int decimals)
{
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};
    return std::string(buffer, result.ptr);
}

} // namespace NumberText
