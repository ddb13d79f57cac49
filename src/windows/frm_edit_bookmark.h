// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace glyph {

class clsCatalogue;

// Asks for a bookmark's name, its whole text selected so that typing
// replaces it.
class frmEditBookmark : public QDialog {
  Q_OBJECT

 public:
  frmEditBookmark(const clsCatalogue& catalogue, const std::string& bookName, QWidget* parent = nullptr);

  bool OK() const { return ok_; }
  const std::string& BookName() const { return bookName_; }

 private:
  QLineEdit* txtName_;
  std::string bookName_;
  bool ok_ = false;
};

}  // namespace glyph
