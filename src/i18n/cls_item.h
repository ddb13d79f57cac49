// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// One text of a language: a message key, a control name, or "CAPTION" for a
// window's title, with the text to show (which may be empty).
struct clsItem {
  std::string ItemName;
  std::string Translation;
};

}  // namespace glyph
