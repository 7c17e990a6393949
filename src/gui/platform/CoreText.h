#pragma once

#include <string>

// The core's phrases in the user's language: what its problem reports are made of (the save
// and load problems, the export's), looked up under the context the core marked them with.
namespace CoreText {

std::string problem(const char *phrase);

} // namespace CoreText
