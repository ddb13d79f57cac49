// glyphtool generate and solve.
#include <QJsonArray>
#include <limits>
#include <memory>
#include <sstream>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/deduction.h"
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
  return object;
}

}  // namespace

void VerbGenerate(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"count", "seed", "difficulty"});
  ExpectPositionals(parsed, 0, "no text after generate's options");
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
