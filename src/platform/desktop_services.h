// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/cls_desktop.h"

class QWidget;

namespace glyph {

// The real desktop: help in a window of the program's own, web pages in the
// desktop's browser.
class clsQtDesktop : public clsDesktop {
 public:
  explicit clsQtDesktop(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void ShowHelp(const std::string& helpFile, int contextNumber) override;
  void OpenWebPage(const std::string& address) override;
  void CopyText(const std::string& text) override;
  // Whether the desktop's own colours are dark (light text on a dark window).
  bool PrefersDark() const override;

 private:
  QWidget* owner_;
};

}  // namespace glyph
