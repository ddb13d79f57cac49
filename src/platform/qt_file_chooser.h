// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/cls_file_chooser.h"

namespace glyph {

// The desktop's file dialogs over a parent window.
class clsQtFileChooser : public clsFileChooser {
 public:
  explicit clsQtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::string ChooseFileToOpen(const std::string& filter) override;
  std::string ChooseFileToSave(const std::string& filter, const std::string& defaultSuffix) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace glyph
