// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace glyph {

class clsCatalogue;

// Asks for a puzzle's code. A code the game refuses comes back with the
// reason under the field, the text as typed, for the player to mend.
class frmPlayCode : public QDialog {
  Q_OBJECT

 public:
  frmPlayCode(const clsCatalogue& catalogue, QWidget* parent = nullptr);
  void ShowRefusal(const std::string& typed, const std::string& reason);

 signals:
  void Typed(const std::string& code);

 private:
  QLineEdit* txtCode_;
  QLabel* lblRefusal_;
};

}  // namespace glyph
