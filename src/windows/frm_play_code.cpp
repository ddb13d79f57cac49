// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_play_code.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/translate_form.h"

namespace glyph {

frmPlayCode::frmPlayCode(const clsCatalogue& catalogue, QWidget* parent) : QDialog(parent) {
  setObjectName("frmPlayCode");
  setWindowTitle(FromAnsi(catalogue.GetTranslation("frmSymbol", "strTitPlayCode", "Play a code")));
  auto* lblCode =
      new QLabel(FromAnsi(catalogue.GetTranslation("frmSymbol", "strAskCode",
                                                   "The puzzle's code (letters and digits, hyphens optional):")),
                 this);
  lblCode->setObjectName("lblCode");
  lblCode->setWordWrap(true);
  txtCode_ = new QLineEdit(this);
  txtCode_->setObjectName("txtCode");
  txtCode_->setMinimumWidth(txtCode_->fontMetrics().averageCharWidth() * 32);
  lblCode->setBuddy(txtCode_);
  lblRefusal_ = MakeRefusalLine(this);
  const DialogButtons buttons = MakeDialogButtons(this);
  connect(buttons.confirm, &QPushButton::clicked, this, [this] { emit Typed(ToAnsi(txtCode_->text())); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCode);
  layout->addWidget(txtCode_);
  layout->addWidget(lblRefusal_);
  layout->addWidget(buttons.box);
  TranslateForm(this, catalogue);
  setMinimumWidth(fontMetrics().averageCharWidth() * 52);
  txtCode_->setFocus();
}

void frmPlayCode::ShowRefusal(const std::string& typed, const std::string& reason) {
  txtCode_->setText(FromAnsi(typed));
  txtCode_->selectAll();
  txtCode_->setFocus();
  lblRefusal_->setText(FromAnsi(reason));
  lblRefusal_->setVisible(!reason.empty());
  txtCode_->setAccessibleDescription(FromAnsi(reason));
  adjustSize();
}

}  // namespace glyph
