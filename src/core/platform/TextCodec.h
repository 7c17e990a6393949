// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Text read from user files. The program writes UTF-8; notes and food names written by older
// programs are in the Windows-1252 code page, and those bytes must survive a rewrite.
namespace TextCodec {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 unchanged; anything else decoded byte by byte as Windows-1252. The five bytes that
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the same
// value, as Windows itself converts them, so no byte is lost.
std::string ToUtf8(std::string_view bytes);

} // namespace TextCodec
