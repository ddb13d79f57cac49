// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_view.h"

#include <chrono>
#include <cstdio>

#include "core/clock_text.h"
#include "i18n/cls_catalogue.h"
#include "session/accessible_texts.h"
#include "web/text_codec.h"

namespace glyph {

using emscripten::val;

namespace {

val Text(const std::string& ansi) { return val(Utf8FromAnsi(ansi)); }

val ColourText(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return val(std::string(text));
}

std::string Folder(bool dark) { return dark ? "pictures/dark/" : "pictures/"; }

std::string PictureAddress(int style, const BoardPicture& picture, bool dark) {
  const std::string file = PictureFileName(style, picture);
  return file.empty() ? "" : Folder(dark) + file;
}

val Cell(const BoardView& board, const BoardCell& cell, const clsCatalogue& catalogue) {
  val object = val::object();
  object.set("picture", PictureAddress(board.style, cell.picture, board.dark));
  object.set("back", ColourText(cell.backColor));
  object.set("mark", static_cast<int>(cell.mark));  // 0 none, 1 right, 2 wrong
  object.set("cursorSymbol", cell.cursorSymbol);
  object.set("name", Text(BoardCellName(catalogue, board.style, cell)));
  return object;
}

template <std::size_t N>
val Cells(const BoardView& board, const std::array<BoardCell, N>& cells, const clsCatalogue& catalogue) {
  val list = val::array();
  for (std::size_t i = 0; i < N; ++i) list.set(i, Cell(board, cells[i], catalogue));
  return list;
}

val Numbers(const std::vector<int>& numbers) {
  val list = val::array();
  for (std::size_t i = 0; i < numbers.size(); ++i) list.set(i, numbers[i]);
  return list;
}

val Texts(const std::vector<std::string>& texts) {
  val list = val::array();
  for (std::size_t i = 0; i < texts.size(); ++i) list.set(i, Text(texts[i]));
  return list;
}

val BoardObject(const BoardView& board, const clsCatalogue& catalogue) {
  val object = val::object();
  object.set("style", board.style);
  object.set("dark", board.dark);
  object.set("panel", ColourText(board.panelColor));
  object.set("header", ColourText(board.headerColor));
  // The line under the first row of sums, and the grid's ground, as the main window colours them.
  object.set("rule", ColourText(board.dark ? kDarkRuleColor : kRuleColor));
  object.set("gridBack", ColourText(board.dark ? kDarkBackColor : Rgb(255, 255, 255)));
  val digits = val::array();
  for (std::size_t k = 0; k < board.digits.size(); ++k) digits.set(k, Cells(board, board.digits[k], catalogue));
  object.set("digits", digits);
  object.set("opVert", Cells(board, board.opVert, catalogue));
  object.set("opHorz", Cells(board, board.opHorz, catalogue));
  object.set("equals", Cells(board, board.equals, catalogue));
  object.set("symbols", Cells(board, board.matrixSymbols, catalogue));
  // The symbols a note writes as {S3}: their pictures and names in the style on screen.
  val notePictures = val::array();
  val noteNames = val::array();
  for (int s = 0; s < 10; ++s) {
    notePictures.set(s, PictureAddress(board.style, {PictureKind::Symbol, s}, board.dark));
    noteNames.set(s, Text(SymbolName(catalogue, board.style, s)));
  }
  object.set("symbolPictures", notePictures);
  object.set("symbolNames", noteNames);
  return object;
}

val GridObject(const GridView& grid, const BoardView& board, const clsCatalogue& catalogue) {
  val pictures = val::array();
  val names = val::array();
  for (int i = 0; i < 100; ++i) {
    const GridLook look = grid.looks[static_cast<std::size_t>(i)];
    pictures.set(i, Folder(board.dark) + GridDigitFileName(look, i % 10));
    names.set(i, Text(GridCellName(catalogue, board.style, i, look)));
  }
  val object = val::object();
  object.set("pictures", pictures);
  object.set("names", names);
  val digits = val::array();
  for (int d = 0; d < 10; ++d) digits.set(d, Text(DigitName(catalogue, d)));
  object.set("digitNames", digits);
  return object;
}

val NoteObject(const GridNote& note) {
  val object = val::object();
  object.set("text", Text(note.text));
  object.set("cells", Numbers(note.cells));
  object.set("basis", Numbers(note.basis));
  object.set("steps", Texts(note.steps));
  object.set("offerGuide", note.offerGuide);
  object.set("inGuide", note.inGuide);
  object.set("offerNewGame", note.offerNewGame);
  return object;
}

const char* DialogName(DialogKind kind) {
  switch (kind) {
    case DialogKind::None: return "";
    case DialogKind::OpenGame: return "openGame";
    case DialogKind::SaveGame: return "saveGame";
    case DialogKind::Options: return "options";
    case DialogKind::Print: return "print";
    case DialogKind::Statistics: return "statistics";
    case DialogKind::Bookmarks: return "bookmarks";
    case DialogKind::BookmarkName: return "bookmarkName";
    case DialogKind::PlayCode: return "playCode";
    case DialogKind::NetworkGame: return "networkGame";
  }
  return "";
}

val DialogObject(const DialogView& dialog) {
  val object = val::object();
  object.set("kind", std::string(DialogName(dialog.kind)));
  object.set("id", dialog.id);
  object.set("text", Text(dialog.text));
  object.set("error", Text(dialog.error));
  object.set("items", Texts(dialog.items));
  object.set("selected", dialog.selected);
  object.set("style", dialog.style);
  return object;
}

val PromptObject(const std::optional<PromptView>& prompt) {
  if (!prompt) return val::null();
  val object = val::object();
  object.set("id", prompt->id);
  object.set("question", prompt->question);
  object.set("text", Text(prompt->text));
  object.set("title", Text(prompt->title));
  object.set("icon", static_cast<int>(prompt->icon));  // as MessageIcon counts
  object.set("yesPreselected", prompt->yesPreselected);
  return object;
}

val TimeText(std::optional<int> seconds) {
  return seconds ? val(PlayTimeText(std::chrono::seconds(*seconds))) : val(std::string("\u2013"));
}

}  // namespace

val ViewObject(const SessionView& view, const clsCatalogue& catalogue) {
  val object = val::object();
  object.set("board", BoardObject(view.board, catalogue));
  object.set("grid", GridObject(view.grid, view.board, catalogue));
  val buttons = val::array();
  for (std::size_t i = 0; i < view.buttons.size(); ++i) {
    val button = val::object();
    button.set("visible", view.buttons[i].visible);
    button.set("enabled", view.buttons[i].enabled);
    buttons.set(i, button);
  }
  object.set("buttons", buttons);
  object.set("title", Text(view.title));
  object.set("textsVersion", view.textsVersion);
  object.set("gridCursor", view.gridCursor);
  object.set("gridFocusVersion", view.gridFocusVersion);
  object.set("note", NoteObject(view.note));
  object.set("clock", view.clock);
  object.set("code", view.code);
  object.set("paused", view.paused);
  object.set("prompt", PromptObject(view.prompt));
  object.set("dialog", DialogObject(view.dialog));
  object.set("quit", view.quit);
  return object;
}

val StatisticsObject(const clsStatistics& statistics, std::optional<StatsCategory> newBest) {
  val categories = val::array();
  for (StatsCategory category : kStatsCategories) {
    const StatsSummary summary = statistics.Summary(category);
    val object = val::object();
    object.set("started", summary.started);
    object.set("solved", summary.solved);
    object.set("clean", summary.clean);
    object.set("currentRun", summary.currentRun);
    object.set("longestRun", summary.longestRun);
    object.set("best", TimeText(summary.bestSeconds));
    object.set("median", TimeText(summary.medianSeconds));
    object.set("last", Numbers(summary.lastTimes));
    val lastTexts = val::array();
    for (std::size_t i = 0; i < summary.lastTimes.size(); ++i) lastTexts.set(i, TimeText(summary.lastTimes[i]));
    object.set("lastTexts", lastTexts);
    categories.set(static_cast<int>(category), object);
  }
  val object = val::object();
  object.set("categories", categories);
  object.set("newBest", newBest ? static_cast<int>(*newBest) : -1);
  return object;
}

}  // namespace glyph
