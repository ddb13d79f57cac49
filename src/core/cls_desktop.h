// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// What the game asks of the desktop beyond settings and messages.
class clsDesktop {
 public:
  virtual ~clsDesktop() = default;
  // Opens a help page at the topic of a context number.
  virtual void ShowHelp(const std::string& helpFile, int contextNumber) = 0;
  // Opens a web address in the default browser; failures are not reported.
  virtual void OpenWebPage(const std::string& address) = 0;
  // Puts a text on the clipboard; a desktop without one ignores it.
  virtual void CopyText(const std::string& /*text*/) {}
  // Whether the desktop's colours are dark, for the colours that follow it.
  virtual bool PrefersDark() const { return false; }
};

}  // namespace glyph
