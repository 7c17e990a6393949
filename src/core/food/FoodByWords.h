// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/UnitBlockReader.h"

#include <string_view>
#include <vector>

class FoodDatabase;

// Which food and unit a few typed words mean, for logging without the list: the food as the
// search finds it with best matches first, the unit by its name or its first words ("medium"
// for "medium (7" to 7-7/8" long)", "cup" for "cup, sliced"). A choice is clear only when one
// candidate ranks above every other and its name is made of the words or starts with the
// first, or when, of those ranked first, one alone is named by exactly the words; otherwise the
// candidates are given and nothing is chosen.
namespace FoodByWords {

// The units whose name is the typed text or begins with its words, A to Z in either case; the
// whole name alone when one unit is named so exactly. Texts are UTF-8.
std::vector<int> Units(const FoodUnits &units, std::string_view typed);

struct Choice
{
    int record = -1; // the food meant; -1 when the choice is not clear
    // Not clear: the foods that match, best first; none when no food does. Foods without a unit
    // of the typed words are left out when some have one.
    std::vector<int> candidates;
};

// `unitWords` empty: any unit will do.
Choice Find(const FoodDatabase &database, std::string_view words, std::string_view unitWords);

} // namespace FoodByWords
