// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The full-size pictures: the main window background, the Food page overlay and the
// new-version prompt.
namespace Backgrounds {

QImage mainBackground(); // LAYOUT 129, 640 x 480
QImage foodOverlay(); // LAYOUT 154, 640 x 480 with transparency
QImage updatePrompt(); // LAYOUT 157, 324 x 190 without alpha

} // namespace Backgrounds
