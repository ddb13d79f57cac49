// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool print: the print job onto a PDF file.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "platform/qt_page_device.h"
#include "print/print_job.h"
#include "storage/cls_file_writer.h"
#include "storage/saved_game.h"
#include "storage/web_pages.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_progress.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kMarginMillimetres = 12.7;

QPageSize PageSizeFrom(const ToolArgs& args) {
  const std::string page = args.Has("page") ? args.options.at("page") : "A4";
  if (page == "A4") return QPageSize(QPageSize::A4);
  if (page == "Letter") return QPageSize(QPageSize::Letter);
  throw clsToolError("--page takes A4 or Letter, not \"" + page + "\"");
}

clsPuzzle BoardPuzzle(const ToolArgs& args, clsRandomSource& random) {
  if (!args.Has("game")) {
    clsPuzzle puzzle;
    puzzle.MakePuzzle(random);
    return puzzle;
  }
  return LoadGameOrFail(args.options.at("game")).puzzle;
}

}  // namespace

void VerbPrint(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed =
      ParseToolArgs(args, {"pdf", "count", "style", "game", "page", "seed", "difficulty"}, {"grid", "solutions"});
  ExpectPositionals(parsed, 0, "no text besides the options: glyphtool print --pdf OUT.pdf ...");
  if (!parsed.Has("pdf")) throw clsToolError("--pdf OUT.pdf is needed");
  if (IsSpecialFile(parsed.options.at("pdf"))) throw clsToolError(parsed.options.at("pdf") + " is not a regular file");
  if (QGuiApplication::instance() == nullptr) throw clsToolError("printing needs the graphics system");
  const int style = parsed.Has("style") ? static_cast<int>(ParseInteger("style", parsed.options.at("style"), 0, 1)) : 1;
  const std::int64_t count =
      parsed.Has("count") ? ParseInteger("count", parsed.options.at("count"), 0, kMostPrintedPuzzles) : 1;
  const QPageSize pageSize = PageSizeFrom(parsed);
  clsSystemRandom random =
      parsed.Has("seed") ? clsSystemRandom(ParseUnsigned("seed", parsed.options.at("seed"))) : clsSystemRandom();
  const clsPuzzle board = BoardPuzzle(parsed, random);

  // Written aside and put in place only when the whole document is done.
  QSaveFile file(QString::fromStdString(parsed.options.at("pdf")));
  if (!file.open(QIODevice::WriteOnly)) throw clsToolError("cannot write " + parsed.options.at("pdf"));
  QPdfWriter writer(&file);
  writer.setResolution(kPdfResolution);
  writer.setCreator("Glyphmatic 2.0");
  writer.setTitle("Glyphmatic 2.0 puzzles");
  writer.setPageLayout(
      QPageLayout(pageSize, QPageLayout::Portrait,
                  QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                  QPageLayout::Millimeter));
  clsQtPageDevice device(writer, style);
  const clsCatalogue english;
  PrintOptions options{std::to_string(count), parsed.Flag("grid"), parsed.Flag("solutions")};
  if (parsed.Has("difficulty")) {
    const std::optional<Difficulty> level = DifficultyFromName(parsed.options.at("difficulty"));
    if (!level) throw clsToolError("--difficulty takes any, easy, medium, hard or expert");
    options.difficulty = *level;
  }
  clsToolProgress progress("print", "puzzles and solutions");
  const std::optional<PrintResult> result =
      RunPrintJob(board, options, device, random, english, kProductWebPage, &progress);
  if (!result) throw clsToolError("the page is too small to hold a puzzle");
  if (!file.commit()) throw clsToolError("cannot write " + parsed.options.at("pdf"));
  out << JsonLine(
      QJsonObject{{"pages", result->pages}, {"puzzles", result->puzzles}, {"solutions", result->solutions}});
}

}  // namespace glyph
