// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ImportRows.h"

#include "platform/NumberText.h"
#include "platform/UiText.h"

#include <algorithm>
#include <cmath>

namespace ImportRows {

namespace {

// Said one by one; beyond them the rows left out are counted.
constexpr std::size_t kProblemsSaid = 20;

std::string importNormalName(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty() && NumberText::isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && NumberText::isBlank(text.back()))
        text.remove_suffix(1);
    std::string out(text);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

std::string_view importTrimmed(std::string_view text)
{
    while (!text.empty() && NumberText::isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && NumberText::isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> importSmallNumber(std::string_view text, std::size_t minDigits,
                                     std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!NumberText::isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

Header::Header(const std::vector<std::string> &names) : m_original(names)
{
    for (const std::string &name : names)
        m_names.push_back(importNormalName(name));
}

int Header::find(std::initializer_list<std::string_view> names) const
{
    for (const std::string_view wanted : names) {
        const std::string normal = importNormalName(wanted);
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (m_names[i] == normal)
                return int(i);
        }
    }
    return -1;
}

std::string_view Field(const CsvReader::Record &record, int column)
{
    if (column < 0 || std::size_t(column) >= record.fields.size())
        return {};
    return record.fields[std::size_t(column)];
}

std::optional<ImportFile::Day> ParseDate(std::string_view text)
{
    text = importTrimmed(text);
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = importSmallNumber(text.substr(0, 4), 4, 4);
        month = importSmallNumber(text.substr(5, 2), 2, 2);
        day = importSmallNumber(text.substr(8, 2), 2, 2);
    } else {
        const std::size_t first = text.find('/');
        const std::size_t second =
            first == std::string_view::npos ? first : text.find('/', first + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        month = importSmallNumber(text.substr(0, first), 1, 2);
        day = importSmallNumber(text.substr(first + 1, second - first - 1), 1, 2);
        year = importSmallNumber(text.substr(second + 1), 4, 4);
    }
    if (!year || !month || !day || DayFiles::DateKey(*day, *month, *year).empty())
        return std::nullopt;
    return ImportFile::Day {*day, *month, *year};
}

Number ParseNumber(std::string_view text, bool decimalComma)
{
    text = importTrimmed(text);
    if (text.empty())
        return {};
    std::string copy(text);
    if (decimalComma)
        std::replace(copy.begin(), copy.end(), ',', '.');
    const std::optional<double> value = NumberText::whole(copy);
    if (!value || !std::isfinite(*value) || *value < 0.0)
        return {false, std::nullopt};
    return {true, *value == 0.0 ? 0.0 : *value};
}

std::string Unmarked(std::string_view text)
{
    if (text.size() > 1 && text.front() == '\'' &&
        std::string_view("=+-@\t\r").find(text[1]) != std::string_view::npos)
        text.remove_prefix(1);
    return std::string(text);
}

std::string Phrase(const ImportFile::Translate &translate, const char *english,
                   std::initializer_list<std::string_view> fillings)
{
    const std::string text = translate ? translate(english) : std::string(english);
    // One pass, so that a filling that holds "%2" stays as it is.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() && NumberText::isDigit(text[i + 1])
            ? std::size_t(text[i + 1] - '0')
            : 0;
        if (text[i] == '%' && n >= 1 && n <= fillings.size()) {
            out += *(fillings.begin() + (n - 1));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void Problems::rowLeftOut(std::size_t line, const std::string &why)
{
    if (++m_count <= kProblemsSaid)
        m_out.push_back(Phrase(m_translate,
                               CORVALO_UI_TEXT("ImportFile", "Line %1 is left out: %2."),
                               {std::to_string(line), why}));
}

Problems::~Problems()
{
    if (m_count > kProblemsSaid)
        m_out.push_back(Phrase(m_translate,
                               CORVALO_UI_TEXT("ImportFile", "More lines left out: %1"),
                               {std::to_string(m_count - kProblemsSaid)}));
}

} // namespace ImportRows
