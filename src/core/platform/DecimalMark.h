// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Numbers are kept and computed with a full stop; a language that writes a decimal comma sees
// them with its own mark. Only what is shown changes, never what is stored.
namespace DecimalMark {

// `text` with each full stop that stands between two digits written as `mark` ("72.5" with ","
// gives "72,5"); other full stops (an ellipsis, the end of a sentence) stay as they are.
std::string apply(std::string_view text, std::string_view mark);

} // namespace DecimalMark
