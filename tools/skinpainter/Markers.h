// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Small pieces: the day strip's markers, the meal list's tick boxes, the unit box's arrow and
// the window icon.
namespace Markers {

QImage selectionFrame(); // ZNA4KI 134, 34 x 54
QImage noteIcon(); // ZNA4KI 151, 16 x 16
QImage dataBox(); // ZNA4KI 152, 20 x 18
QImage dataBoxPressed(); // ZNA4KI 153, 17 x 14
QImage tickOn(); // LAYOUT 135, 24 x 22
QImage tickOff(); // LAYOUT 136, 24 x 22
QImage windowIcon(); // ICON 128, 64 x 64
QImage appIcon(int size); // the window icon at size x size, for the desktop's icon theme
QImage dropArrow(); // STYLE 1, 10 x 7: the unit box's drop-down arrow

} // namespace Markers
