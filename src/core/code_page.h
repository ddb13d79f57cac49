// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace glyph {

// The game's texts are Windows-1252 bytes, as its files and the protocol hold
// them. The five codes that code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control character of the same value, so every
// byte decodes and encodes back to itself.
char32_t CharFromAnsi(unsigned char byte);
// The byte for a character; false for one the code page lacks.
bool AnsiFromChar(char32_t character, char& byte);

}  // namespace glyph
