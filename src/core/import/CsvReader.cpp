// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/CsvReader.h"

namespace CsvReader {

std::vector<Record> Parse(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::vector<Record> records;
    Record record;
    std::string field;
    std::size_t line = 1;
    record.line = line;
    bool fieldQuoted = false;
    bool fieldStarted = false;

    const auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        fieldQuoted = false;
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        const bool blank = record.fields.size() == 1 && record.fields.front().empty();
        if (!blank)
            records.push_back(std::move(record));
        record = Record {};
        record.line = line;
    };

    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '"' && !fieldStarted) {
            // A quoted field: up to the quote that is not doubled, or to the end.
            fieldQuoted = true;
            fieldStarted = true;
            ++i;
            while (i < bytes.size()) {
                const char q = bytes[i];
                if (q == '"') {
                    if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (q == '\n' || (q == '\r' && !(i + 1 < bytes.size() && bytes[i + 1] == '\n')))
                    ++line;
                field += q;
                ++i;
            }
            continue;
        }
        if (c == ',') {
            endField();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            ++line;
            endRecord();
            continue;
        }
        // Text after a closing quote, or a quote inside an unquoted field, is kept as written.
        field += c;
        fieldStarted = true;
        ++i;
    }
    if (fieldStarted || fieldQuoted || !record.fields.empty())
        endRecord();
    return records;
}

} // namespace CsvReader
