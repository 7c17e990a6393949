// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/CsvReader.h"
#include "import/ImportFile.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pieces every import format is read with: columns found by name, cells read as dates and
// numbers, and the problems of the rows left out.
namespace ImportRows {

// The columns of a header record, found by name: case, surrounding blanks and a byte order mark
// do not matter.
class Header
{
public:
    explicit Header(const std::vector<std::string> &names);
    // The first column with any of the names, or -1.
    int find(std::initializer_list<std::string_view> names) const;
    bool has(std::initializer_list<std::string_view> names) const { return find(names) >= 0; }
    const std::string &name(int column) const { return m_original[std::size_t(column)]; }

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_original;
};

// The record's field in the column, or empty text for a column not there or not in the record.
std::string_view Field(const CsvReader::Record &record, int column);

// YYYY-MM-DD or M/D/YYYY (months and days of one or two digits), a real date.
std::optional<ImportFile::Day> ParseDate(std::string_view text);

struct Number
{
    bool ok = true; // false: the cell holds something that is not a number at or above 0
    std::optional<double> value; // nothing for a blank cell
};
// With `decimalComma` a comma is read as the decimal point.
Number ParseNumber(std::string_view text, bool decimalComma = false);

// Corvalo's export marks text that a spreadsheet would take for a formula (=, +, -, @, a tab or a
// CR first) with a leading apostrophe: the text without that mark.
std::string Unmarked(std::string_view text);

// The phrase in the user's language with "%1", "%2", "%3" filled in.
std::string Phrase(const ImportFile::Translate &translate, const char *english,
                   std::initializer_list<std::string_view> fillings = {});

// Collects the problems of rows left out, saying the first ones and counting the rest.
class Problems
{
public:
    Problems(std::vector<std::string> &out, const ImportFile::Translate &translate)
        : m_out(out), m_translate(translate)
    {
    }
    ~Problems();
    Problems(const Problems &) = delete;
    Problems &operator=(const Problems &) = delete;

    void rowLeftOut(std::size_t line, const std::string &why);
    const ImportFile::Translate &translate() const { return m_translate; }

private:
    std::vector<std::string> &m_out;
    const ImportFile::Translate &m_translate;
    std::size_t m_count = 0;
};

} // namespace ImportRows
