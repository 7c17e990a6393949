// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Button image strips: three frames side by side (normal, hover, pressed).
namespace ButtonStrips {

QImage nextDay(); // BUTTONS 130, 51 x 24
QImage previousDay(); // BUTTONS 132, 51 x 24
QImage close(); // BUTTONS 140, 66 x 23
QImage food(); // BUTTONS 141, 105 x 16
QImage charts(); // BUTTONS 142, 132 x 16
QImage diary(); // BUTTONS 143, 120 x 16
QImage ovulation(); // BUTTONS 144, 192 x 16
QImage settings(); // BUTTONS 145, 165 x 16
QImage deleteSelected(); // BUTTONS 146, 276 x 16
QImage clearList(); // BUTTONS 147, 186 x 16
QImage community(); // BUTTONS 148, 210 x 16
QImage add(); // BUTTONS 155, 378 x 29
QImage noThanks(); // BUTTONS 158, 300 x 23
QImage download(); // BUTTONS 159, 810 x 25

} // namespace ButtonStrips
