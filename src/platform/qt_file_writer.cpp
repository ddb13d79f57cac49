// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_file_writer.h"

#include <QSaveFile>

namespace glyph {

WriteOutcome clsQtFileWriter::WriteWhole(const std::filesystem::path& file, const std::string& content) {
  if (IsSpecialFile(file)) return WriteOutcome::NotAFile;
  if (IsReadOnlyFile(file)) return WriteOutcome::ReadOnly;
  QSaveFile save(QString::fromStdString(file.string()));
  if (!save.open(QIODevice::WriteOnly)) return WriteOutcome::Failed;
  if (save.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size())) {
    save.cancelWriting();
  }
  return save.commit() ? WriteOutcome::Written : WriteOutcome::Failed;
}

}  // namespace glyph
