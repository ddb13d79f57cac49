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
// game comes back. Confirming stores both at once; the main window applies them.
class frmOptions : public QDialog {
  Q_OBJECT

 public:
  frmOptions(clsCatalogue& catalogue, clsSettingsStore& settings, QWidget* parent = nullptr);

  // In: the main window's style; out: the style chosen.
  int Style() const { return style_; }
  void SetStyle(int style);
  const std::string& Language() const { return language_; }
  void SetLanguage(std::string language) { language_ = std::move(language); }
  bool OK() const { return ok_; }

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
  std::string language_;
  bool ok_ = false;
};

}  // namespace glyph
