// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as RFC 4180 has it: fields separated by commas, records ended by CR LF,
// and a field that holds a comma, a double quote, a CR or an LF in double quotes, with each of
// its double quotes doubled. A field that starts or ends with a blank is quoted as well, so that
// no reader trims it. Bytes pass through unchanged: the caller hands in UTF-8.
namespace CsvText {

std::string Field(std::string_view text);

// The fields as one record, CR LF included.
std::string Record(const std::vector<std::string> &fields);

// A number with a full stop whatever the locale (or `decimalPoint`), rounded to at most
// `maxDecimals` decimals, without trailing zeros or a trailing full stop ("2.5", "130", "0.125");
// "-0" is "0". Empty for infinity or not a number.
std::string Number(double value, int maxDecimals, char decimalPoint = '.');

// Text the user typed, as a spreadsheet must take it: one that starts with =, +, -, @, a tab or
// a CR would be read as a formula, so it gets a leading apostrophe, the spreadsheets' own mark
// of text (shown by some).
std::string Text(std::string_view text);

// The UTF-8 byte order mark, from which spreadsheets learn that a file is UTF-8.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

} // namespace CsvText
