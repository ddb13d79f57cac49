#include "storage/frm_edit_bookmark.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ansi_text.h"
#include "platform/translate_form.h"

namespace glyph {

frmEditBookmark::frmEditBookmark(const clsCatalogue& catalogue, const std::string& bookName, QWidget* parent)
    : QDialog(parent), bookName_(bookName) {
  setObjectName("frmEditBookmark");
  setWindowTitle("Edit bookmark");
  auto* lblName = new QLabel("&Name:", this);
  lblName->setObjectName("lblName");
  txtName_ = new QLineEdit(FromAnsi(bookName), this);
  txtName_->setObjectName("txtName");
  txtName_->setMinimumWidth(220);
  lblName->setBuddy(txtName_);
  auto* cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  auto* cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setObjectName("cmdCancel");
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
  buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);

  auto* row = new QHBoxLayout;
  row->addWidget(lblName);
  row->addWidget(txtName_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);

  connect(cmdOK, &QPushButton::clicked, this, [this] {
    bookName_ = ToAnsi(txtName_->text());  // any text, an empty one too
    ok_ = true;
    accept();
  });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  TranslateForm(this, catalogue);
  txtName_->selectAll();
  txtName_->setFocus();
}

}  // namespace glyph
