// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/CsvText.h"

#include "platform/NumberText.h"

#include <cmath>

namespace CsvText {

std::string Field(std::string_view text)
{
    const bool blankAtEdge = !text.empty() &&
        (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t');
    if (!blankAtEdge && text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string Record(const std::vector<std::string> &fields)
{
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        record += Field(fields[i]);
    }
    record += "\r\n";
    return record;
}

std::string Number(double value, int maxDecimals, char decimalPoint)
{
    if (!std::isfinite(value))
        return {};
    std::string text = NumberText::fixed(value, maxDecimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        return "0";
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = decimalPoint;
    return text;
}

std::string Text(std::string_view text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        return '\'' + std::string(text);
    return std::string(text);
}

} // namespace CsvText
