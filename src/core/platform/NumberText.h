// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers typed by the user and numbers shown by the program, independent of the user's locale.
namespace NumberText {

// The characters the C library's conversions treat as blanks and digits, whatever the locale.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads text the way the C library's atof does in the "C" locale: leading blanks are skipped,
// the longest prefix of sign, digits, full stop and exponent is taken, and no number gives 0.
double parse(std::string_view text);

// The whole text as one number in fixed notation with a full stop ("45", "30.5", "-2"), or
// nothing: no blanks, no exponent, nothing after it.
std::optional<double> whole(std::string_view text);
// printf-style fixed notation ("%.<decimals>f") with a full stop, whatever the locale.
std::string fixed(double value, int decimals);

} // namespace NumberText
