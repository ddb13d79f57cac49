// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool hint and check: the next step for a saved game (or the whole
// chain), and the answer of the Check button.
#include <QJsonArray>

#include "core/deduction.h"
#include "platform/ansi_text.h"
#include "storage/saved_game.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

QJsonArray Cell(int s, int d) { return QJsonArray{s, d}; }

TextSource English() {
  return [](const char*, const char* english) { return std::string(english); };
}
std::string SymbolName(int symbol) { return "S" + std::to_string(symbol); }

QJsonObject DescribeStep(const Deduction& step, const BoardShape& shape) {
  QJsonArray facts;
  for (const Fact& f : step.facts) facts.append(QJsonObject{{"symbol", f.symbol}, {"digit", f.digit}, {"is", f.is}});
  QJsonArray cells;
  for (const auto& [s, d] : step.cells) cells.append(Cell(s, d));
  QJsonArray because;
  for (const Fact& f : step.because) because.append(Cell(f.symbol, f.digit));
  QJsonObject described{{"rule", step.rule},
                        {"facts", facts},
                        {"cells", cells},
                        {"because", because},
                        {"explanation", FromAnsi(Explain(step, shape, English(), SymbolName))}};
  if (step.reason.kind == Reason::Kind::Trial) {
    QJsonArray steps;
    for (const Deduction& inner : step.steps) steps.append(DescribeStep(inner, shape));
    described["steps"] = steps;
    const std::vector<std::string> lines = ExplainSteps(step, shape, English(), SymbolName);
    described["contradiction"] = FromAnsi(lines.back());
  }
  return described;
}

SavedGame GameOption(const ToolArgs& parsed, const char* usage) {
  ExpectPositionals(parsed, 0, usage);
  if (!parsed.Has("game")) throw clsToolError("--game FILE.gly is needed");
  return LoadGameOrFail(parsed.options.at("game"));
}

}  // namespace

void VerbHint(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"game"}, {"chain"});
  const SavedGame game = GameOption(parsed, "no text besides the options: glyphtool hint [--chain] --game FILE.gly");
  const BoardShape shape = ShapeOf(game.puzzle);

  if (parsed.Flag("chain")) {
    Chain chain = SolveChain(game.puzzle);
    std::vector<Fact> known;
    QJsonArray steps;
    for (Deduction& step : chain.steps) {
      Elaborate(step, shape, known);
      steps.append(DescribeStep(step, shape));
      known.insert(known.end(), step.facts.begin(), step.facts.end());
    }
    out << JsonLine(
        QJsonObject{{"steps", steps}, {"complete", chain.complete}, {"rating", DifficultyName(chain.rating)}});
    return;
  }
  HintResult hint = NextHint(game.puzzle, game.grid);
  QJsonObject result{{"facts", QJsonValue::Null}};
  if (hint.deduction) {
    Elaborate(*hint.deduction, shape, MarksOf(game.grid));
    result = DescribeStep(*hint.deduction, shape);
  } else if (hint.contradiction) {
    result["contradiction"] = Cell(hint.contradiction->first, hint.contradiction->second);
  } else {
    result["solved"] = hint.solved;
    result["fitting"] = static_cast<int>(hint.fitting);
  }
  out << JsonLine(result);
}

void VerbCheck(const std::vector<std::string>& args, std::ostream& out) {
  const SavedGame game =
      GameOption(ParseToolArgs(args, {"game"}, {}), "no text besides the option: glyphtool check --game FILE.gly");
  const std::optional<std::pair<int, int>> wrong = FirstWrongMark(game.puzzle, game.grid);
  out << JsonLine(QJsonObject{{"wrong", wrong ? QJsonValue(Cell(wrong->first, wrong->second)) : QJsonValue()}});
}

}  // namespace glyph
