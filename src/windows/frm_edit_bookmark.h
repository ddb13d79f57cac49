// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace glyph {

class clsCatalogue;

// Asks for a bookmark's name, its whole text selected so that typing
// replaces it. OK names it (any text, an empty one too).
class frmEditBookmark : public QDialog {
  Q_OBJECT

 public:
  frmEditBookmark(const clsCatalogue& catalogue, const std::string& bookName, QWidget* parent = nullptr);

 signals:
  void Named(const std::string& name);

 private:
  QLineEdit* txtName_;
};

}  // namespace glyph
