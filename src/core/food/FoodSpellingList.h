// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The word list of other spellings (res/foods/spellings.tsv), built into the program.
namespace FoodSpellingList {

std::string_view Text();

} // namespace FoodSpellingList
