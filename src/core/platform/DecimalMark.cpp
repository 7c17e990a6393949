// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DecimalMark.h"

#include "platform/NumberText.h"

namespace DecimalMark {

std::string apply(std::string_view text, std::string_view mark)
{
    std::string out;
    out.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between = text[i] == '.' && i > 0 && i + 1 < text.size() &&
            NumberText::isDigit(text[i - 1]) && NumberText::isDigit(text[i + 1]);
        if (between)
            out += mark;
        else
            out += text[i];
    }
    return out;
}

} // namespace DecimalMark
