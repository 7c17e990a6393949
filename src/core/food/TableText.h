// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text rules the user's own tables share (own foods, recipes): one record a line, fields
// separated by tabs, names compared as the food list compares them.
namespace TableText {

// The same name as the food list sees it.
bool SameName(std::string_view a, std::string_view b);
// Six significant digits: what a float holds, without the noise of its last bits; "-" when the
// value cannot be written.
std::string Number(double value);
// Text that fits in one field: no tab, line break or NUL.
bool IsPlain(std::string_view text);
// A field quoted for a message, cut after a few characters: "Apples, raw, wi...".
std::string Shown(std::string_view field);
// The fields of a line, split at every tab.
std::vector<std::string_view> Fields(std::string_view line);

} // namespace TableText
