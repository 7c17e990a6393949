// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TypedNumber.h"

#include "platform/NumberText.h"
#include "platform/UiText.h"

using NumberText::isBlank;
using NumberText::isDigit;

namespace {

std::string_view typedNumberTrimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t typedNumberDigits(std::string_view text, std::size_t &i)
{
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - start;
}

} // namespace

TypedNumber TypedNumber::read(std::string_view text)
{
    text = typedNumberTrimmed(text);
    if (text.empty())
        return {};
    const TypedNumber notANumber {
        Kind::NotANumber, 0.0,
        CORVALO_UI_TEXT("TypedNumber", "%1 is not a number; type it as 72.5 or 72,5"), false};

    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    std::size_t integerStart = i;
    const std::size_t integer = typedNumberDigits(text, i);
    std::string_view integerDigits = text.substr(integerStart, integer);
    std::size_t fraction = 0;
    char separator = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        separator = text[i++];
        fraction = typedNumberDigits(text, i);
    }
    if (integer + fraction == 0)
        return notANumber;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (typedNumberDigits(text, i) == 0)
            return notANumber;
    }
    if (i != text.size())
        return notANumber;
    // "0,500" is half whatever the reader's language: no thousands go before a zero.
    if (separator == ',' && fraction == 3 &&
        integerDigits.find_first_not_of('0') != std::string_view::npos)
        return {Kind::NotANumber, 0.0,
                CORVALO_UI_TEXT("TypedNumber",
                                "the comma in %1 could be a thousands separator or a decimal "
                                "comma; type the number without it, or with a point"),
                true};
    return {Kind::Number, NumberText::parse(withPoint(text)), nullptr, false};
}

std::string TypedNumber::problemText(std::string_view quoted) const
{
    if (problem == nullptr)
        return {};
    std::string text = problem;
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, quoted);
    return text;
}

std::string TypedNumber::withPoint(std::string_view typed)
{
    std::string text(typedNumberTrimmed(typed));
    if (const std::size_t comma = text.find(','); comma != std::string::npos)
        text[comma] = '.';
    return text;
}
