// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace glyph {

DialogButtons MakeDialogButtons(QDialog* dialog, const QString& confirmText, const char* confirmName) {
  auto* confirm = new QPushButton(confirmText, dialog);
  confirm->setObjectName(confirmName);
  confirm->setDefault(true);
  auto* cancel = new QPushButton("Cancel", dialog);
  cancel->setObjectName("cmdCancel");
  auto* box = new QDialogButtonBox(dialog);
  box->addButton(confirm, QDialogButtonBox::AcceptRole);
  box->addButton(cancel, QDialogButtonBox::RejectRole);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {box, confirm, cancel};
}

}  // namespace glyph
