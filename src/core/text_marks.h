// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace glyph {

// Puts value in place of every mark ("%1", "%2", ...) of a translated text.
// The value is not searched again, so a value holding a mark stays as it is.
inline std::string FillMark(std::string text, std::string_view mark, const std::string& value) {
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size())) {
    text.replace(at, mark.size(), value);
  }
  return text;
}

}  // namespace glyph
