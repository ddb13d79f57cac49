// glyphtool hint: the next deduction for a saved game, or the whole chain.
#include <QJsonArray>

#include "core/deduction.h"
#include "storage/saved_game.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

QJsonArray Cell(int s, int d) { return QJsonArray{s, d}; }

// Explanations in English, with each symbol written as S<row>.
std::string EnglishExplanation(const Deduction& deduction, const BoardShape& shape) {
  return Explain(
      deduction, shape, [](const char*, const char* english) { return std::string(english); },
      [](int symbol) { return "S" + std::to_string(symbol); });
}

QJsonObject DescribeDeduction(const Deduction& deduction, const BoardShape& shape) {
  QJsonArray cells;
  for (const auto& [s, d] : deduction.cells) cells.append(Cell(s, d));
  const Fact& fact = deduction.fact;
  return QJsonObject{{"fact", QJsonObject{{"symbol", fact.symbol}, {"digit", fact.digit}, {"is", fact.is}}},
                     {"rule", deduction.rule},
                     {"cells", cells},
                     {"explanation", QString::fromStdString(EnglishExplanation(deduction, shape))}};
}

}  // namespace

void VerbHint(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"game"}, {"chain"});
  ExpectPositionals(parsed, 0, "no text besides the options: glyphtool hint [--chain] --game FILE.gly");
  if (!parsed.Has("game")) throw clsToolError("--game FILE.gly is needed");
  const SavedGame game = LoadGameOrFail(parsed.options.at("game"));
  const BoardShape shape = ShapeOf(game.puzzle);

  if (parsed.Flag("chain")) {
    const Chain chain = SolveChain(game.puzzle);
    QJsonArray steps;
    for (const Deduction& step : chain.steps) steps.append(DescribeDeduction(step, shape));
    out << JsonLine(
        QJsonObject{{"steps", steps}, {"complete", chain.complete}, {"rating", DifficultyName(chain.rating)}});
    return;
  }
  const HintResult hint = NextHint(game.puzzle, game.grid);
  QJsonObject result{{"fact", QJsonValue::Null}};
  if (hint.deduction) {
    result = DescribeDeduction(*hint.deduction, shape);
  } else if (hint.contradiction) {
    result["contradiction"] = Cell(hint.contradiction->first, hint.contradiction->second);
  } else {
    result["solved"] = hint.solved;
  }
  out << JsonLine(result);
}

}  // namespace glyph
