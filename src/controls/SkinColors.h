#pragma once

#include <cstdint>

// The skin's colours as ARGB values, shared by the widgets and the skin painter.
namespace SkinColors {

inline constexpr std::uint32_t WindowFill = 0xFF006EFF;   // main window behind its background
inline constexpr std::uint32_t ViewFill = 0xFF007ADE;     // views behind their slice of it
inline constexpr std::uint32_t Text = 0xFFFFFFFF;
inline constexpr std::uint32_t AmountCellFrame = 0xFFA9E0FF;
inline constexpr std::uint32_t WeekendText = 0xFFFF0500;
inline constexpr std::uint32_t TodayHatch = 0x91CDE1FF;

// Skin artwork (painted into the PNGs).
inline constexpr std::uint32_t BaseBlue = 0xFF006EFF;
inline constexpr std::uint32_t DeepBlue = 0xFF0047B3;
inline constexpr std::uint32_t LightBlue = 0xFF4FA3FF;
inline constexpr std::uint32_t PanelBlue = 0xFF0A5BD0;
inline constexpr std::uint32_t PanelEdge = 0xFF8CC8FF;
inline constexpr std::uint32_t SelectionRed = 0xFFE8202A;
inline constexpr std::uint32_t WarningAmber = 0xFFFFB300;

} // namespace SkinColors
