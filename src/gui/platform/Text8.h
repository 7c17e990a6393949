// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

// The program keeps text as 8-bit strings in the system's code page (UTF-8 on Linux);
// it becomes a QString only to be shown or edited.
namespace Text8 {

QString toQString(std::string_view text);
std::string fromQString(QStringView text);

} // namespace Text8
