// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg_file_type_registrar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "storage/cls_file_writer.h"

namespace glyph {

namespace {

QString DataHome() {
  const QByteArray fromEnvironment = qgetenv("XDG_DATA_HOME");
  if (!fromEnvironment.isEmpty()) return QString::fromLocal8Bit(fromEnvironment);
  return QDir::homePath() + "/.local/share";
}

void RefreshWith(const char* tool, const QString& folder) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (!program.isEmpty()) QProcess::startDetached(program, {folder});
}

}  // namespace

void clsXdgFileTypeRegistrar::RegisterFileType(const std::string& extension, const std::string& appName,
                                               const std::string& programPath) {
  for (const std::string& file : SystemEntryFiles(appName, qgetenv("XDG_DATA_DIRS").toStdString())) {
    if (QFileInfo::exists(QString::fromStdString(file))) return;
  }
  const QString dataHome = DataHome();
  const QString mimeFolder = dataHome + "/mime";
  const QString applications = dataHome + "/applications";
  const QString name = QString::fromStdString(appName).toLower();
  QDir().mkpath(mimeFolder + "/packages");
  QDir().mkpath(applications);
  clsAtomicFileWriter writer;
  writer.WriteWhole((mimeFolder + "/packages/" + name + ".xml").toStdString(), MimePackageXml(extension, appName));
  writer.WriteWhole((applications + "/" + name + ".desktop").toStdString(), DesktopEntry(appName, programPath));
  // The entry's icon, where the desktop looks for a user's icons.
  const QString icons = dataHome + "/icons/hicolor/scalable/apps";
  QDir().mkpath(icons);
  QFile::remove(icons + "/" + name + ".svg");
  QFile::copy(":/assets/icons/glyphmatic.svg", icons + "/" + name + ".svg");
  QFile::setPermissions(icons + "/" + name + ".svg",
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  RefreshWith("update-mime-database", mimeFolder);
  RefreshWith("update-desktop-database", applications);
}

}  // namespace glyph
