// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/cls_catalogue.h"
#include "options/options_logic.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/translate_form.h"

namespace glyph {

frmOptions::frmOptions(clsCatalogue& catalogue, clsSettingsStore& settings, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), settings_(settings) {
  setObjectName("frmOptions");
  setWindowTitle("Options");

  auto* lblStyle = new QLabel("&Style:", this);
  lblStyle->setObjectName("lblStyle");
  cboStyle_ = new QComboBox(this);
  cboStyle_->setObjectName("cboStyle");
  lblStyle->setBuddy(cboStyle_);
  auto* lblLanguage = new QLabel("&Language:", this);
  lblLanguage->setObjectName("lblLanguage");
  cboLanguage_ = new QComboBox(this);
  cboLanguage_->setObjectName("cboLanguage");
  cboLanguage_->setMinimumContentsLength(16);
  lblLanguage->setBuddy(cboLanguage_);
  auto* lblDifficulty = new QLabel("&Difficulty of new puzzles:", this);
  lblDifficulty->setObjectName("lblDifficulty");
  cboDifficulty_ = new QComboBox(this);
  cboDifficulty_->setObjectName("cboDifficulty");
  lblDifficulty->setBuddy(cboDifficulty_);

  auto* lblColours = new QLabel("&Colours:", this);
  lblColours->setObjectName("lblColours");
  cboColours_ = new QComboBox(this);
  cboColours_->setObjectName("cboColours");
  lblColours->setBuddy(cboColours_);
  chkContinue_ = new QCheckBox("C&ontinue the unfinished game at start", this);
  chkContinue_->setObjectName("chkContinue");

  const DialogButtons buttons = MakeDialogButtons(this);
  connect(buttons.confirm, &QPushButton::clicked, this, &frmOptions::Confirm);

  auto* form = new QFormLayout;
  form->addRow(lblStyle, cboStyle_);
  form->addRow(lblLanguage, cboLanguage_);
  form->addRow(lblColours, cboColours_);
  form->addRow(lblDifficulty, cboDifficulty_);
  form->addRow(chkContinue_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons.box);

  TranslateForm(this, catalogue_);
  for (const std::string& name : StyleNames(catalogue_)) cboStyle_->addItem(FromAnsi(name));
  const LanguageList languages = FillLanguageList(catalogue_, settings_);
  for (const std::string& name : languages.names) cboLanguage_->addItem(FromAnsi(name));
  cboLanguage_->setCurrentIndex(languages.selected);
  for (const std::string& name : DifficultyNames(catalogue_)) cboDifficulty_->addItem(FromAnsi(name));
  cboDifficulty_->setCurrentIndex(StoredDifficulty(settings_));
  for (const std::string& name : ColourNames(catalogue_)) cboColours_->addItem(FromAnsi(name));
  cboColours_->setCurrentIndex(StoredColours(settings_));
  chkContinue_->setChecked(StoredContinueGame(settings_));
  SetStyle(style_);
}

void frmOptions::SetStyle(int style) {
  style_ = style;
  cboStyle_->setCurrentIndex(style == 0 ? 0 : 1);
}

void frmOptions::Confirm() {
  style_ = cboStyle_->currentIndex();
  ConfirmOptions(catalogue_, settings_, style_, cboLanguage_->currentIndex());
  ConfirmDifficulty(settings_, cboDifficulty_->currentIndex());
  ConfirmColours(settings_, cboColours_->currentIndex());
  ConfirmContinueGame(settings_, chkContinue_->isChecked());
  emit Confirmed(style_);
  accept();
}

}  // namespace glyph
