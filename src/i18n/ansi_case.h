// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace glyph {

// Upper case of Windows-1252 text: ASCII letters, the accented letters of
// 0xE0..0xFE (not the division sign 0xF7), and the four lower-case letters of
// 0x80..0x9F and 0xFF. "ß" has no single-letter upper case and stays.
std::string AnsiUpper(std::string_view text);

// Equal without regard to case, in the sense of AnsiUpper.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace glyph
