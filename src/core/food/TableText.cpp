// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/TableText.h"

#include "food/FoodTable.h"

#include <charconv>

namespace TableText {

bool SameName(std::string_view a, std::string_view b)
{
    return !FoodTable::nameLess(a, b) && !FoodTable::nameLess(b, a);
}

std::string Number(double value)
{
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return error == std::errc() ? std::string(buffer, end) : std::string("-");
}

bool IsPlain(std::string_view text)
{
    return text.find_first_of(std::string_view("\t\n\r\0", 4)) == std::string_view::npos;
}

std::string Shown(std::string_view field)
{
    constexpr std::size_t MaxShown = 24;
    return "\"" + std::string(field.substr(0, MaxShown)) +
        (field.size() > MaxShown ? "...\"" : "\"");
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

} // namespace TableText
