// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The frosted panels of the Settings page: the page draws some, the diary folder and export
// groups draw their own, and all of them look alike.
namespace SettingsPanels {

constexpr int Padding = 12;
constexpr qreal Radius = 8;
constexpr int BoxHeight = 20; // a field in a panel's rows

} // namespace SettingsPanels
