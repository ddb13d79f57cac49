// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialog_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/qt_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

QString FileDialogFolder() {
  clsQtSettingsStore settings;
  const QString last = QString::fromStdString(ReadSetting(settings, Setting::LastFolder));
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFileDialogFolder(const QString& chosenFile) {
  clsQtSettingsStore settings;
  WriteSetting(settings, Setting::LastFolder, QFileInfo(chosenFile).absolutePath().toStdString());
}

}  // namespace glyph
