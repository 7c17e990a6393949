#include "platform/TypedNumber.h"

#include "platform/NumberText.h"

using NumberText::isBlank;
using NumberText::isDigit;

TypedNumber TypedNumber::read(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size())
        return {};
    std::size_t digit = i;
    if (text[digit] == '+' || text[digit] == '-')
        ++digit;
    if (digit < text.size() && text[digit] == '.')
        ++digit;
    if (digit >= text.size() || !isDigit(text[digit]))
        return {Kind::NotANumber, 0.0};
    return {Kind::Number, NumberText::parse(text)};
}
