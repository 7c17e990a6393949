#pragma once

#include <QString>

// The look of the standard controls on the skin: edit boxes, the unit box and the food list.
namespace SkinStyle {

QString styleSheet();

} // namespace SkinStyle
