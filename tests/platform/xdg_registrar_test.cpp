#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/xdg_file_type_registrar.h"

namespace glyph {
namespace {

TEST(XdgFileTypeRegistrar, WritesTheMimePackageAndDesktopEntryUnderXdgDataHome) {
  QTemporaryDir dataHome;
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  clsXdgFileTypeRegistrar().RegisterFileType("gly", "Glyphmatic", "/opt/glyph/glyphmatic");
  if (saved.isEmpty()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", saved);
  }

  QFile mime(dataHome.filePath("mime/packages/glyphmatic.xml"));
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  EXPECT_TRUE(mime.readAll().contains("<glob pattern=\"*.gly\"/>"));
  QFile entry(dataHome.filePath("applications/glyphmatic.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QByteArray text = entry.readAll();
  EXPECT_TRUE(text.contains("Exec=/opt/glyph/glyphmatic %f")) << text.toStdString();
  EXPECT_TRUE(text.contains("MimeType=application/x-glyphmatic;"));
}

}  // namespace
}  // namespace glyph
