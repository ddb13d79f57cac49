// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
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

QLabel* MakeRefusalLine(QDialog* dialog) {
  auto* line = new QLabel(dialog);
  line->setObjectName("lblRefusal");
  line->setWordWrap(true);
  line->setTextFormat(Qt::PlainText);
  QFont strong = line->font();
  strong.setBold(true);
  line->setFont(strong);
  line->hide();
  return line;
}

}  // namespace glyph
