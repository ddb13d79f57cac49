// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/cls_desktop.h"

class QWidget;

namespace glyph {

// Dark colours for every window of the program, its dialogs and its help
// included, or the desktop's own colours back.
void UseDarkApplicationColours(bool dark);

// The real desktop: help in a window of the program's own, web pages in the
// desktop's browser.
class clsQtDesktop : public clsDesktop {
 public:
  explicit clsQtDesktop(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void ShowHelp(const std::string& helpFile, int contextNumber) override;
  void OpenWebPage(const std::string& address) override;
  void CopyText(const std::string& text) override;
  // Whether the desktop prefers dark colours: its colour scheme as the
  // desktop portal says it, a dark GTK theme, or else its own palette.
  bool PrefersDark() const override;

 private:
  QWidget* owner_;
};

}  // namespace glyph
