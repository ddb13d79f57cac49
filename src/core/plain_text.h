// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// Text from outside (names, chat) shown as plain text: every control
// character, a line break or a tab included, becomes a space, so that one
// line of a list or of the chat always stays one line.
inline std::string PlainText(std::string text) {
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return text;
}

}  // namespace glyph
