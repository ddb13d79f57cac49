// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool pictures: the screen's pictures as the game draws them, for the
// browser page.
#include <QDirIterator>
#include <QFile>
#include <QJsonObject>
#include <QStringList>
#include <filesystem>

#include "pictures/frm_all_symbols.h"
#include "storage/cls_file_writer.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

// Every picture of the board and the grid, of both styles, in the light
// colours (OUT/classic, OUT/modern, OUT/grid) and in the dark ones the
// store makes of them (the same under OUT/dark).
void VerbPictures(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {});
  ExpectPositionals(parsed, 1, "the folder to write to: glyphtool pictures OUT");
  const std::filesystem::path folder = parsed.positionals[0];
  clsAtomicFileWriter writer;
  qint64 written = 0;
  for (const QString set : {"classic", "modern", "grid"}) {
    QStringList paths;
    for (QDirIterator found(":/assets/" + set, {"*.svg"}, QDir::Files); found.hasNext();) paths << found.next();
    paths.sort();
    for (const QString& path : paths) {
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly)) throw clsToolError("cannot read the picture " + path.toStdString());
      const QByteArray light = file.readAll();
      const std::string name = QFileInfo(path).fileName().toStdString();
      for (const auto& [place, content] :
           {std::pair{folder / set.toStdString(), light},
            std::pair{folder / "dark" / set.toStdString(), frmAllSymbols::DarkVersion(path, light)}}) {
        std::error_code error;
        std::filesystem::create_directories(place, error);
        const std::filesystem::path target = place / name;
        ExpectWritten(writer.WriteWhole(target, content.toStdString()), target.string(), writer);
        ++written;
      }
    }
  }
  out << JsonLine(QJsonObject{{"pictures", written}});
}

}  // namespace glyph
