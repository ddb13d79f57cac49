// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_edit_bookmark.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/translate_form.h"

namespace glyph {

frmEditBookmark::frmEditBookmark(const clsCatalogue& catalogue, const std::string& bookName, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmEditBookmark");
  setWindowTitle("Edit bookmark");
  auto* lblName = new QLabel("&Name:", this);
  lblName->setObjectName("lblName");
  txtName_ = new QLineEdit(FromAnsi(bookName), this);
  txtName_->setObjectName("txtName");
  txtName_->setMinimumWidth(220);
  lblName->setBuddy(txtName_);
  const DialogButtons buttons = MakeDialogButtons(this);

  auto* row = new QHBoxLayout;
  row->addWidget(lblName);
  row->addWidget(txtName_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons.box);

  connect(buttons.confirm, &QPushButton::clicked, this, [this] {
    emit Named(ToAnsi(txtName_->text()));
    accept();
  });

  TranslateForm(this, catalogue);
  txtName_->selectAll();
  txtName_->setFocus();
}

}  // namespace glyph
