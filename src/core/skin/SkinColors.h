// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The skin's colours as ARGB values, shared by the widgets and the skin painter.
namespace SkinColors {

inline constexpr std::uint32_t WindowFill = 0xFF006EFF; // main window behind its background
inline constexpr std::uint32_t ViewFill = 0xFF007ADE; // views behind their slice of it
inline constexpr std::uint32_t Text = 0xFFFFFFFF;
inline constexpr std::uint32_t AmountCellFrame = 0xFFA9E0FF;
inline constexpr std::uint32_t WeekendText = 0xFFFF3B30;
// Red and the skin's blue are nearly equally light: red texts sit on this plate (4:1).
inline constexpr std::uint32_t WeekendPlate = 0xFF00266B;
inline constexpr std::uint32_t TodayHatch = 0x91CDE1FF;
inline constexpr std::uint32_t DiaryText = 0xFF1258A5; // dark blue ink on light blue paper
inline constexpr std::uint32_t DiaryPaper = 0xFFE2F2FF;
inline constexpr std::uint32_t DiaryScrollHandle = 0x801258A5;
// The notice bar that reports a failed save: dark ink on an amber plate (contrast 10.6:1).
inline constexpr std::uint32_t NoticePlate = 0xFFFFC83D;
inline constexpr std::uint32_t NoticeEdge = 0xFFD98200;
inline constexpr std::uint32_t NoticeText = 0xFF2B1D00;
// The keyboard focus: a pale yellow ring with a dark inner line, so that it shows on a light button
// face or a white box as well as on the blue: the ring stands 3:1 or more from the lightest blue
// behind a box (3.3:1), the line from the box's white (14:1).
inline constexpr std::uint32_t FocusRing = 0xFFFFF5B3;
inline constexpr std::uint32_t FocusRingInner = 0xFF00266B;
// Goal progress on the nutrient panel: a light track, a white bar; a reached target green, an
// exceeded limit amber (both light enough for the deep blue, amber also for its figures).
inline constexpr std::uint32_t GoalTrack = 0x47FFFFFF;
inline constexpr std::uint32_t GoalBar = 0xFFFFFFFF;
inline constexpr std::uint32_t GoalReached = 0xFF62D872;
inline constexpr std::uint32_t GoalExceeded = 0xFFFFB300;
// Boxes, drop-down lists, tables and tooltips: dark ink on white, edged in the panel's blue.
inline constexpr std::uint32_t FieldText = 0xFF12325A;
inline constexpr std::uint32_t CloseMatchText = 0xFF56698A; // 5.6:1 on white, plainly lighter
inline constexpr std::uint32_t FieldSelection = 0xFF2F8CFF;
inline constexpr std::uint32_t TableGrid = 0xFFD6E8FF;
inline constexpr std::uint32_t TooltipPlate = 0xFFFFFBE6;

// Skin artwork (painted into the PNGs).
inline constexpr std::uint32_t BaseBlue = 0xFF006EFF;
inline constexpr std::uint32_t DeepBlue = 0xFF0047B3;
inline constexpr std::uint32_t LightBlue = 0xFF4FA3FF;
inline constexpr std::uint32_t PanelBlue = 0xFF0A5BD0;
inline constexpr std::uint32_t PanelEdge = 0xFF8CC8FF;
inline constexpr std::uint32_t SelectionRed = 0xFFE8202A;
inline constexpr std::uint32_t WarningAmber = 0xFFFFB300;

// Skin painter palette: the window background and the Food page overlay.
inline constexpr std::uint32_t White = 0xFFFFFFFF;
inline constexpr std::uint32_t Transparent = 0x00000000;
inline constexpr std::uint32_t HeaderTop = 0xFF3F95FF;
inline constexpr std::uint32_t PageTop = 0xFF0568F6;
inline constexpr std::uint32_t PageBottom = 0xFF034BC2;
inline constexpr std::uint32_t PageGlow = 0x1CFFFFFF;
inline constexpr std::uint32_t PageGlowEdge = 0x00FFFFFF;
inline constexpr std::uint32_t WindowRim = 0xFF00358C;
inline constexpr std::uint32_t WindowRimLight = 0x47FFFFFF;
inline constexpr std::uint32_t StripBandTop = 0x2EFFFFFF;
inline constexpr std::uint32_t StripBandBottom = 0x0DFFFFFF;
inline constexpr std::uint32_t StripBandEdge = 0x52FFFFFF;
inline constexpr std::uint32_t StripDivider = 0x17FFFFFF;
inline constexpr std::uint32_t SoftShadow = 0x30001440;
inline constexpr std::uint32_t PanelFrost = 0x17FFFFFF;
inline constexpr std::uint32_t PanelFrostEdge = 0x4DFFFFFF;
inline constexpr std::uint32_t WellEdgeDark = 0x8000246E;
inline constexpr std::uint32_t WellEdgeLight = 0x38FFFFFF;
inline constexpr std::uint32_t TextShadow = 0x8C001A52;

// Skin painter palette: button strips. Pressed faces keep a red channel of about 6 to 8 so that
// the disabled look (red times ten, no green or blue) is a dark plate under a red caption.
inline constexpr std::uint32_t ButtonTop = 0xFF5AA9FF;
inline constexpr std::uint32_t ButtonBottom = 0xFF0B60DC;
inline constexpr std::uint32_t ButtonHoverTop = 0xFF7AB9FF;
inline constexpr std::uint32_t ButtonHoverBottom = 0xFF2A7AEE;
inline constexpr std::uint32_t ButtonPressedTop = 0xFF08429F;
inline constexpr std::uint32_t ButtonPressedBottom = 0xFF06327F;
// Nothing in a pressed frame has a red channel above 25, so red times ten never clips: the
// disabled look keeps its antialiased edges, a bright red caption on a near-black face.
inline constexpr std::uint32_t PressedCaption = 0xFF17E1FF;
inline constexpr std::uint32_t ButtonRim = 0xC700307A;
inline constexpr std::uint32_t ButtonGloss = 0x38FFFFFF;
inline constexpr std::uint32_t ButtonHighlight = 0x66FFFFFF;
inline constexpr std::uint32_t PressedShade = 0x59000000;
inline constexpr std::uint32_t PressedTextShadow = 0xCC000000;
inline constexpr std::uint32_t GoTop = 0xFF62D872;
inline constexpr std::uint32_t GoBottom = 0xFF1E9B36;
inline constexpr std::uint32_t GoHoverTop = 0xFF8DE897;
inline constexpr std::uint32_t GoHoverBottom = 0xFF35B24B;
inline constexpr std::uint32_t GoPressedTop = 0xFF17852A;
inline constexpr std::uint32_t GoPressedBottom = 0xFF0F6A20;
inline constexpr std::uint32_t GoRim = 0xD90B5518;
inline constexpr std::uint32_t GoTextShadow = 0x990A4414;

// Skin painter palette: markers, tick boxes, the prompt and the icon.
inline constexpr std::uint32_t SelectionGlow = 0x52E8202A;
inline constexpr std::uint32_t MarkerFill = 0x2EFFFFFF;
inline constexpr std::uint32_t MarkerEdge = 0xA6FFFFFF;
inline constexpr std::uint32_t MarkerPressedFill = 0x5900205C;
inline constexpr std::uint32_t MarkerPressedEdge = 0xD9FFFFFF;
inline constexpr std::uint32_t NotePaper = 0xFFFFFCEB;
inline constexpr std::uint32_t NoteFold = 0xFFE3D9A8;
inline constexpr std::uint32_t NoteLine = 0xFF7DA7E0;
inline constexpr std::uint32_t NoteEdge = 0xFF0B3F8F;
inline constexpr std::uint32_t TickFill = 0x33FFFFFF;
inline constexpr std::uint32_t TickEdge = 0xEBFFFFFF;
inline constexpr std::uint32_t WarningAmberDark = 0xFFD98200;
inline constexpr std::uint32_t WarningMark = 0xFF3B2800;
inline constexpr std::uint32_t PromptSubtext = 0xFFD4E7FF;
inline constexpr std::uint32_t PlateRim = 0xFFD5E6FA;
inline constexpr std::uint32_t AppleLight = 0xFF7FE05E;
inline constexpr std::uint32_t AppleDark = 0xFF23962E;
inline constexpr std::uint32_t LeafGreen = 0xFF2FB54A;
inline constexpr std::uint32_t Stem = 0xFF6B4526;

} // namespace SkinColors
