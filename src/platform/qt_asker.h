// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/cls_asker.h"

namespace glyph {

// Message boxes over a parent window.
class clsQtAsker : public clsAsker {
 public:
  explicit clsQtAsker(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected) override;
  void Tell(const std::string& text, const std::string& title, MessageIcon icon) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace glyph
