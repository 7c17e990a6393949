// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

// Numbers as the window shows them: with the decimal mark of the language the window speaks
// (a comma in German), whatever is stored.
namespace ShownNumber {

// The window's language ("de"; empty for English), set when its translation is loaded.
void setLanguage(const QString &language);

// A number the program formatted with a full stop ("72.5", "1.5 kcal"), in the window's mark.
QString text(std::string_view formatted);
// Fixed notation with `decimals` places, in the window's mark.
QString fixed(double value, int decimals);

} // namespace ShownNumber
