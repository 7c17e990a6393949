// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The look of the standard controls on the skin: edit boxes, the unit box, the food list and the
// scroll bars.
namespace SkinStyle {

QString styleSheet();

} // namespace SkinStyle
