// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_file_chooser.h"

#include "platform/file_dialog_folder.h"

#include <QFile>
#include <QFileDialog>

namespace glyph {

std::string clsQtFileChooser::ChooseFileToOpen(const std::string& filter) {
  QFileDialog dialog(parent_, QString(), FileDialogFolder(), QString::fromStdString(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  RememberFileDialogFolder(dialog.selectedFiles().front());
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::string clsQtFileChooser::ChooseFileToSave(const std::string& filter, const std::string& defaultSuffix) {
  QFileDialog dialog(parent_, QString(), FileDialogFolder(), QString::fromStdString(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromStdString(defaultSuffix));  // a name typed without one gets it
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  RememberFileDialogFolder(dialog.selectedFiles().front());
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace glyph
