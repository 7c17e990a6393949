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

} // namespace ChartColors
