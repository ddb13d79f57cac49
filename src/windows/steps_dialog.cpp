// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/steps_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/screen_fit.h"

namespace glyph {

void ShowStepsDialog(QWidget* parent, const QString& title, const QString& html,
                     const std::vector<std::pair<QString, QPixmap>>& pictures) {
  auto* dialog = new QDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setObjectName("frmSteps");
  dialog->setWindowTitle(title);
  auto* text = new QTextBrowser(dialog);
  text->setObjectName("txtSteps");
  text->setAccessibleName(title);
  for (const auto& [name, picture] : pictures) {
    text->document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }
  text->setHtml(html);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialog->resize(dialog->fontMetrics().averageCharWidth() * 90, dialog->fontMetrics().height() * 26);
  FitOnScreen(dialog);
  dialog->show();
}

}  // namespace glyph
