// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;

namespace glyph {

class clsCatalogue;
class clsSettingsStore;

// The options dialog: the board's style and colours, the language of the
// user interface, the difficulty of new puzzles and whether an unfinished
// game comes back. Confirming stores them all at once and says which style
// was chosen; the session applies them.
class frmOptions : public QDialog {
  Q_OBJECT

 public:
  frmOptions(clsCatalogue& catalogue, clsSettingsStore& settings, QWidget* parent = nullptr);

  // In: the main window's style; out: the style chosen.
  int Style() const { return style_; }
  void SetStyle(int style);

 signals:
  void Confirmed(int style);

 private:
  void Confirm();

  clsCatalogue& catalogue_;
  clsSettingsStore& settings_;
  QComboBox* cboStyle_;
  QComboBox* cboDifficulty_ = nullptr;
  QComboBox* cboLanguage_;
  QComboBox* cboColours_ = nullptr;
  QCheckBox* chkContinue_ = nullptr;
  int style_ = 1;
};

}  // namespace glyph
