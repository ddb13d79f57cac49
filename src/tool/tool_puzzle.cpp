// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool generate and solve.
#include <QJsonArray>
#include <ctime>
#include <limits>
#include <memory>
#include <sstream>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/daily_puzzle.h"
#include "core/deduction.h"
#include "core/puzzle_code.h"
#include "core/solution_counter.h"
#include "platform/ansi_text.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_progress.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

constexpr std::int64_t kMostPuzzles = 10'000'000;

QJsonArray AsJsonArray(const DigitAssignment& digits) {
  QJsonArray array;
  for (int digit : digits) array.append(digit);
  return array;
}

QJsonObject DescribeGenerated(const clsPuzzle& puzzle) {
  QJsonArray symbols;
  for (int d = 0; d < 10; ++d) symbols.append(puzzle.Symbols(d));
  QJsonObject object;
  object["text"] = FromAnsi(puzzle.MakeSendString());
  object["symbols"] = symbols;
  object["attempts"] = static_cast<qint64>(puzzle.Attempts());
  object["solutions"] = static_cast<qint64>(CountSolutions(puzzle));
  object["code"] = QString::fromStdString(PuzzleCode(puzzle));
  return object;
}

// A date written YYYY-MM-DD in digits, and nothing else (no sign, no
// space), or clsToolError.
std::tm ParseDate(const std::string& text) {
  const std::optional<CalendarDate> read = ReadDate(text);
  if (!read) throw clsToolError("--date takes a date as YYYY-MM-DD, not " + Quoted(text));
  std::tm date{};
  date.tm_year = read->year - 1900;
  date.tm_mon = read->month - 1;
  date.tm_mday = read->day;
  return date;
}

std::tm Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

void VerbGenerate(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"count", "seed", "difficulty", "code"});
  ExpectPositionals(parsed, 0, "no text after generate's options");
  if (parsed.Has("code")) {
    if (parsed.Has("count") || parsed.Has("seed") || parsed.Has("difficulty")) {
      throw clsToolError("--code makes one puzzle: no --count, --seed or --difficulty with it");
    }
    const std::optional<clsPuzzle> puzzle = PuzzleFromCode(parsed.options.at("code"));
    if (!puzzle) throw clsToolError("not a puzzle code: " + Quoted(parsed.options.at("code")));
    QJsonObject described = DescribeGenerated(*puzzle);
    described["rating"] = DifficultyName(RatePuzzle(*puzzle));
    out << JsonLine(described);
    return;
  }
  const std::int64_t count =
      parsed.Has("count") ? ParseInteger("count", parsed.options.at("count"), 1, kMostPuzzles) : 1;
  std::unique_ptr<clsSystemRandom> random =
      parsed.Has("seed") ? std::make_unique<clsSystemRandom>(ParseUnsigned("seed", parsed.options.at("seed")))
                         : std::make_unique<clsSystemRandom>();

  Difficulty wanted = Difficulty::Any;
  if (parsed.Has("difficulty")) {
    const std::optional<Difficulty> named = DifficultyFromName(parsed.options.at("difficulty"));
    if (!named) throw clsToolError("--difficulty takes any, easy, medium, hard or expert");
    wanted = *named;
  }

  clsPuzzle puzzle;
  clsToolProgress progress("generate", "puzzles");
  progress.Start(static_cast<int>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    const Difficulty rating = MakeRatedPuzzle(puzzle, *random, wanted);
    QJsonObject described = DescribeGenerated(puzzle);
    if (wanted != Difficulty::Any) described["rating"] = DifficultyName(rating);
    out << JsonLine(described) << std::flush;
    progress.Advance(static_cast<int>(i + 1));
  }
}

void VerbDaily(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"date"});
  ExpectPositionals(parsed, 0, "no text after daily's options");
  const std::tm date = parsed.Has("date") ? ParseDate(parsed.options.at("date")) : Today();
  const int year = date.tm_year + 1900;
  const int month = date.tm_mon + 1;
  clsPuzzle puzzle;
  Difficulty level = Difficulty::Any;
  try {
    level = DailyDifficulty(year, month, date.tm_mday);
    puzzle = DailyPuzzle(year, month, date.tm_mday);
  } catch (const std::invalid_argument&) {
    throw clsToolError("no such date: " + Quoted(parsed.options.at("date")));
  }
  QJsonObject described = DescribeGenerated(puzzle);
  described["date"] = QString("%1-%2-%3")
                          .arg(year, 4, 10, QChar('0'))
                          .arg(month, 2, 10, QChar('0'))
                          .arg(date.tm_mday, 2, 10, QChar('0'));
  described["rating"] = DifficultyName(level);
  out << JsonLine(described);
}

void VerbSolve(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {});
  ExpectPositionals(parsed, 1, "one puzzle text: glyphtool solve -- TEXT");

  clsPuzzle puzzle;
  QJsonObject object;
  if (!puzzle.GetSendString(parsed.positionals[0])) {
    object["accepted"] = false;
    out << JsonLine(object);
    return;
  }
  QJsonArray assignments;
  const long long solutions =
      ForEachSolution(puzzle, [&](const DigitAssignment& a) { assignments.append(AsJsonArray(a)); });
  object["accepted"] = true;
  object["equations_hold"] = puzzle.EquationsHold();
  object["solutions"] = static_cast<qint64>(solutions);
  object["assignments"] = assignments;
  out << JsonLine(object);
}

}  // namespace glyph
