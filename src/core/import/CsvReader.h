// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets and other diaries write it, read leniently: any bytes give
// records, never an error. Fields are separated by commas; a record ends at CR LF, LF or a lone
// CR; a field in double quotes may hold commas, line breaks and doubled quotes. A UTF-8 byte order
// mark at the start is dropped, blank lines are skipped, a quote left open runs to the end, and a
// quote inside an unquoted field is kept as it is.
namespace CsvReader {

struct Record
{
    std::vector<std::string> fields;
    std::size_t line = 0; // the line it starts on, counting from 1
};

std::vector<Record> Parse(std::string_view bytes);

} // namespace CsvReader
