// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The chart page's colours as ARGB values: weight in yellow, calories in red, on a white grid.
namespace ChartColors {

inline constexpr std::uint32_t Grid = 0xFFFFFFFF;
inline constexpr std::uint32_t NoData = 0xFFFFFFFF;
inline constexpr std::uint32_t Weight = 0xFFFFFF00;
inline constexpr std::uint32_t WeightShadow = 0x37000000;
inline constexpr std::uint32_t Calories = 0xFFC80000;
inline constexpr std::uint32_t CalorieFill = 0x37C80000;
// The calorie title and labels: a lighter red, on plates of SkinColors::WeekendPlate (4:1).
inline constexpr std::uint32_t CalorieText = 0xFFFF3B30;
// The weight's trend: a light green, apart from the yellow weights and the red calories.
inline constexpr std::uint32_t Trend = 0xFF6CFF8E;
inline constexpr std::uint32_t BurnedFill = 0x806CFF8E; // calories burned, beside the eaten
inline constexpr std::uint32_t TrendShadow = 0x37000000;
// The calorie goal: the calorie text's red, dashed, on a line of the plates' dark blue.
inline constexpr std::uint32_t CalorieGoal = 0xFFFF3B30;
inline constexpr std::uint32_t CalorieGoalUnder = 0xFF00266B;

} // namespace ChartColors
