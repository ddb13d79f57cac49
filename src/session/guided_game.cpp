// SPDX-License-Identifier: GPL-3.0-or-later
// The guided game: a short game on an easy puzzle whose note says the aim,
// how to read the board, and each step for the player to mark, introducing
// each rule with its reason the first time it is used.
#include <algorithm>

#include "core/solution_rules.h"
#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"
#include "session/hint_advisor.h"

namespace glyph {

namespace {

// About twenty steps to mark, the first explained at length.
constexpr int kGuideSteps = 16;

std::string Situation(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  return puzzle.MakeSendString() + "|" + grid.MakeStatusString();
}

// The steps the engine needs from a grid to the solution (capped).
int StepsLeft(const clsPuzzle& puzzle, clsSolveStatus grid) {
  for (int steps = 0; steps < 200; ++steps) {
    const HintResult hint = NextHint(puzzle, grid);
    if (!hint.deduction) return steps;
    ApplyFacts(grid, hint.deduction->facts);
  }
  return 200;
}

}  // namespace

// Symbols are declared for the player, those that stand on the board most
// often first (the board then reads most like sums), until no more than
// kGuideSteps steps are left.
clsSolveStatus clsHintAdvisor::StartGuide(const clsPuzzle& puzzle) {
  std::array<int, 10> seen{};
  for (int k = 1; k <= 9; ++k) {
    for (int place = 0; place < 3; ++place) ++seen[static_cast<std::size_t>(DigitAt(puzzle.Number(k), place))];
  }
  std::array<int, 10> digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::stable_sort(digits.begin(), digits.end(),
                   [&](int a, int b) { return seen[static_cast<std::size_t>(a)] > seen[static_cast<std::size_t>(b)]; });
  clsSolveStatus grid;
  guideGiven_ = 0;
  for (int d : digits) {
    if (StepsLeft(puzzle, grid) <= kGuideSteps) break;
    ApplyFact(grid, {puzzle.Symbols(d), d, true});
    ++guideGiven_;
  }
  guideStart_ = Situation(puzzle, grid);
  introducedAt_.clear();
  guidedFor_.clear();
  return grid;
}

GridNote clsHintAdvisor::Guide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  const std::string situation = Situation(puzzle, grid);
  if (situation != guidedFor_) {
    guideNote_ = MakeGuide(puzzle, grid);
    guidedFor_ = situation;
  }
  return guideNote_;
}

// A rule's reason, said the first time the guided game uses it.
std::string clsHintAdvisor::RuleIntroduction(int rule, const std::string& situation) const {
  const auto first = introducedAt_.try_emplace(rule, situation).first;
  if (first->second != situation) return {};
  switch (rule) {
    case 1:
      return Text("strGuideRuleSingle",
                  "Each symbol is exactly one digit, and each digit belongs to one symbol: when every digit but one "
                  "is ruled out for a symbol, or every symbol but one for a digit, that one is it.");
    case 2:
      return Text("strGuideRuleColumn",
                  "Each column of a sum works like written arithmetic, from the ones to the hundreds: its digits "
                  "add up, perhaps with a carry from the column on its right, so some digits cannot fit.");
    case 3:
      return Text("strGuideRuleColumns", "Two neighbouring columns read together rule out what each alone cannot.");
    default:
      return Text("strGuideRuleSupposition",
                  "Where the simpler rules stop, suppose a digit and follow it: if it leads to a contradiction, the "
                  "supposition was wrong.");
  }
}

GridNote clsHintAdvisor::MakeGuide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  const std::string situation = Situation(puzzle, grid);
  HintResult hint = NextHint(puzzle, grid);
  GridNote note;
  if (hint.deduction) {
    note = Explained(puzzle, grid, *hint.deduction);
    // The player marks exactly the framed cells: what the step reads besides
    // them gets the quiet frame.
    std::vector<int> marked;
    for (const Fact& f : hint.deduction->facts) marked.push_back(10 * f.symbol + f.digit);
    for (int cell : note.cells) {
      if (std::find(marked.begin(), marked.end(), cell) == marked.end()) note.basis.push_back(cell);
    }
    note.cells = marked;
    const bool declares = hint.deduction->facts.front().is;
    const std::string rule = RuleIntroduction(hint.deduction->rule, situation);
    note.text = (rule.empty() ? "" : rule + " ") + note.text + " " +
                (declares ? Text("strGuideMarkYes", "Now double-click the framed digit (or press Enter on it).")
                          : Text("strGuideMarkNo", "Now click each framed digit (or press Space on it)."));
  } else if (hint.contradiction) {
    note.text = Text("strGuideWrong", "The framed mark does not fit. Press Undo (Ctrl+Z) and go on.");
    note.cells.push_back(10 * hint.contradiction->first + hint.contradiction->second);
  } else {
    note.text = Text("strGuideDone",
                     "Solved: well done! In short: a symbol with one digit left is that digit; one column of a sum "
                     "rules digits out; two columns together rule out more; and where that stops, a supposition "
                     "that ends in a contradiction is wrong. Hint (Ctrl+H) gives the next step whenever you like.");
  }
  // Before the first step: the aim, and how to read the board and the grid.
  if (situation == guideStart_ && hint.deduction) {
    note.text = FillMark(Text("strGuideIntro",
                              "The aim: find the digit each symbol stands for. Each symbol is one digit, and "
                              "different symbols are different digits. The board holds six sums: three across, and "
                              "three down from the top, whose signs stand between the rows. In the grid below, each "
                              "row is a symbol and each column a digit: a click rules a digit out, a double-click (or "
                              "Enter) declares it. To keep the game short, %1 symbols are declared already, in "
                              "green."),
                         "%1", std::to_string(guideGiven_)) +
                "\n" + note.text;
  }
  if (!hint.solved) note.text = Text("strGuideStep", "Guided game:") + " " + note.text;
  note.inGuide = !hint.solved;
  return note;
}

}  // namespace glyph
