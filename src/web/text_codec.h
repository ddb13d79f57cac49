// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace glyph {

// The page speaks UTF-8; the game's texts are Windows-1252 bytes, as its
// files hold them. These are the browser edition's one conversion.

// Windows-1252 text as UTF-8 (a byte the code page leaves undefined keeps
// its own number).
std::string Utf8FromAnsi(std::string_view ansi);
// UTF-8 from the page as Windows-1252; a character the code page lacks, or a
// broken sequence, becomes '?'.
std::string AnsiFromUtf8(std::string_view utf8);

// Any bytes as a text the browser can keep (each byte one character of
// U+0000..U+00FF), and back: the player's files in the browser's storage.
std::string Utf8FromBytes(std::string_view bytes);
std::string BytesFromUtf8(std::string_view utf8);

}  // namespace glyph
