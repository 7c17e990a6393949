// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The nutrient panel's texts, one row per nutrient.
namespace NutrientText {

// Label ("Fat:"), unit ("g", "mg", empty for calories) and the row on screen (0 = top) of a
// nutrient index; the screen order differs from the index order.
std::string_view Label(int nutrient);
std::string_view Unit(int nutrient);
int ScreenRow(int nutrient);

// Figures longer than these take the exponent form ("1e11"), so that the total stays left of the
// preview and the preview inside the panel.
inline constexpr std::size_t MaxTotalChars = 6; // the figure, without the unit
inline constexpr std::size_t MaxDeltaChars = 6; // the sign included

// A total's figure: one decimal up to 9, none above, the exponent form past MaxTotalChars; empty
// for 0, less or not a number.
std::string Figure(float value);

// The day total: "-" for 0 or less, one decimal up to 9, none above, then a blank and the unit.
std::string Total(int nutrient, float value);

// A preview figure: the sign and the value, one decimal up to 9, none above; empty for 0, less
// or not a number. Never a unit.
std::string FormatDelta(std::string_view sign, float value);

} // namespace NutrientText
