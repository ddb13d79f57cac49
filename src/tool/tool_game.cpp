// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool game show / new / write: saved-game files.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include "core/cls_system_random.h"
#include "platform/ansi_text.h"
#include "storage/cls_file_writer.h"
#include "storage/saved_game.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

constexpr std::int64_t kMostBookmarks = 32767;

QJsonObject Describe(const SavedGame& game) {
  QJsonArray symbols;
  for (int d = 0; d < 10; ++d) symbols.append(game.puzzle.Symbols(d));
  QJsonArray bookmarks;
  for (const clsSolveStatus& bookmark : game.bookmarks) {
    bookmarks.append(QJsonObject{{"status", QString::fromStdString(bookmark.MakeStatusString())},
                                 {"name", FromAnsi(bookmark.Name())}});
  }
  return QJsonObject{{"puzzle", FromAnsi(game.puzzle.MakeSendString())},
                     {"symbols", symbols},
                     {"grid", QString::fromStdString(game.grid.MakeStatusString())},
                     {"bookmarks", bookmarks}};
}

std::string GridText(const QJsonValue& value, const std::string& what) {
  const std::string text = value.toString().toStdString();
  if (text.size() != clsSolveStatus::kTextLength || text.find_first_not_of("0123456789") != std::string::npos) {
    throw clsToolError(what + " must be 100 decimal digits");
  }
  return text;
}

SavedGame GameFromDescription(const QJsonObject& description) {
  SavedGame game;
  if (!game.puzzle.GetSendString(ToAnsi(description["puzzle"].toString()))) {
    throw clsToolError("\"puzzle\" is not a puzzle text form");
  }
  const QJsonArray symbols = description["symbols"].toArray();
  if (symbols.size() != 10) throw clsToolError("\"symbols\" must hold 10 numbers");
  for (int d = 0; d < 10; ++d) {
    const int symbol = symbols[d].toInt(-1);
    if (symbol < 0 || symbol > 9) throw clsToolError("\"symbols\" must hold numbers from 0 to 9");
    game.puzzle.SetSymbols(d, static_cast<std::int16_t>(symbol));
  }
  game.grid.ReadFromString(GridText(description["grid"], "\"grid\""));
  for (const QJsonValue& value : description["bookmarks"].toArray()) {
    clsSolveStatus bookmark;
    bookmark.ReadFromString(GridText(value.toObject()["status"], "a bookmark's \"status\""));
    bool lossy = false;
    bookmark.SetName(ToAnsi(value.toObject()["name"].toString(), &lossy));
    if (lossy) throw clsToolError("a bookmark's name has a character outside the Windows-1252 set");
    game.bookmarks.push_back(bookmark);
  }
  // Written only when the game would load: what the game refuses, glyphtool
  // does not make.
  if (!IsSoundGame(game)) {
    throw clsToolError(
        "not a game the program would load: the symbols must be a permutation of 0 to 9, the numbers lie in 0 to "
        "999 and make the six sums true, and grid cells hold 0 to 4");
  }
  RebuildGreying(game);
  return game;
}

void Write(const std::string& path, const SavedGame& game, clsRandomSource& random, std::ostream& out) {
  clsAtomicFileWriter writer;
  ExpectWritten(SaveSavedGame(path, game, random, writer), path, writer);
  out << JsonLine(Describe(game));
}

void Show(const ToolArgs& args, std::ostream& out) {
  ExpectPositionals(args, 1, "one saved game: glyphtool game show FILE");
  SavedGame game;
  switch (LoadSavedGame(args.positionals[0], game)) {
    case LoadOutcome::Loaded: {
      QJsonObject result = Describe(game);
      result["accepted"] = true;
      out << JsonLine(result);
      return;
    }
    case LoadOutcome::NotASavedGame: out << JsonLine(QJsonObject{{"accepted", false}}); return;
    case LoadOutcome::Unreadable: throw clsToolError("cannot read " + args.positionals[0]);
  }
}

void New(const ToolArgs& args, std::ostream& out) {
  ExpectPositionals(args, 1, "the file to write: glyphtool game new OUT [--seed S] [--bookmarks N]");
  clsSystemRandom random =
      args.Has("seed") ? clsSystemRandom(ParseUnsigned("seed", args.options.at("seed"))) : clsSystemRandom();
  const std::int64_t count =
      args.Has("bookmarks") ? ParseInteger("bookmarks", args.options.at("bookmarks"), 0, kMostBookmarks) : 0;
  SavedGame game;
  game.puzzle.MakePuzzle(random);
  for (std::int64_t i = 0; i < count; ++i) {
    const int digit = static_cast<int>(i % 10);
    clsSolveStatus bookmark;
    bookmark.SetStatus(game.puzzle.Symbols(digit), digit, kCellYes);
    bookmark.SetName("Bookmark " + std::to_string(i + 1));
    game.bookmarks.push_back(bookmark);
  }
  Write(args.positionals[0], game, random, out);
}

void WriteFromDescription(const ToolArgs& args, std::ostream& out) {
  ExpectPositionals(args, 2, "DESCRIPTION.json and OUT: glyphtool game write DESCRIPTION.json OUT");
  QFile file(QString::fromStdString(args.positionals[0]));
  if (!file.open(QIODevice::ReadOnly)) throw clsToolError("cannot read " + args.positionals[0]);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    throw clsToolError(args.positionals[0] + " is not a JSON object: " + error.errorString().toStdString());
  }
  clsSystemRandom random;
  Write(args.positionals[1], GameFromDescription(document.object()), random, out);
}

}  // namespace

void VerbGame(const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty()) throw clsToolError("expected show, new or write");
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "show") return Show(ParseToolArgs(rest, {}), out);
  if (args[0] == "new") return New(ParseToolArgs(rest, {"seed", "bookmarks"}), out);
  if (args[0] == "write") return WriteFromDescription(ParseToolArgs(rest, {}), out);
  throw clsToolError("unknown game verb " + Quoted(args[0]) + "; expected show, new or write");
}

}  // namespace glyph
