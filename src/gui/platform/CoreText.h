#pragma once

#include <QString>
#include <string>

// The core's phrases in the user's language, looked up under the context the core marked them
// with: what its problem reports are made of (the save and load problems, the export's), and the
// nutrients' names.
namespace CoreText {

std::string problem(const char *phrase);

// A nutrient's name as the panel labels it, without the label's colon ("Saturated fat").
QString nutrientName(int nutrient);

} // namespace CoreText
