// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/hint_advisor.h"

#include <algorithm>

#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"

namespace glyph {

namespace {

constexpr const char* kModule = kMainWindowModule;

std::string Situation(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  return puzzle.MakeSendString() + "|" + grid.MakeStatusString();
}

}  // namespace

std::string SymbolToken(int symbol) { return "{S" + std::to_string(symbol) + "}"; }

std::string clsHintAdvisor::Text(const char* key, const char* english) const {
  return catalogue_.GetTranslation(kModule, key, english);
}

void clsHintAdvisor::Keep(const clsPuzzle& puzzle, const clsSolveStatus& grid, GridNote note,
                          std::optional<std::vector<Fact>> facts) {
  note_ = std::move(note);
  madeFor_ = Situation(puzzle, grid);
  pending_ = std::move(facts);
}

std::optional<std::vector<Fact>> clsHintAdvisor::Hint(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  if (pending_ && madeFor_ == Situation(puzzle, grid)) {
    std::vector<Fact> facts = *pending_;
    Keep(puzzle, grid, {}, std::nullopt);
    madeFor_.clear();
    return facts;
  }
  HintResult hint = NextHint(puzzle, grid);
  GridNote note;
  if (hint.deduction) {
    note = Explained(puzzle, grid, *hint.deduction);
    note.text += " " + Text("strHintAgain", "Press Hint again to mark it.");
    Keep(puzzle, grid, note, hint.deduction->facts);
    return std::nullopt;
  }
  if (hint.contradiction) {
    note.text =
        Text("strHintWrongMark", "The framed mark fits no solution of the puzzle: nothing follows until it goes.");
    note.cells.push_back(10 * hint.contradiction->first + hint.contradiction->second);
  } else if (hint.solved) {
    note.text = Text("strHintSolved", "Every symbol on the board is known.");
  } else {
    note.text = NothingFollows(hint);
  }
  Keep(puzzle, grid, note, std::nullopt);
  return std::nullopt;
}

GridNote clsHintAdvisor::Explained(const clsPuzzle& puzzle, const clsSolveStatus& grid, Deduction& step) const {
  GridNote note;
  const BoardShape shape = ShapeOf(puzzle);
  Elaborate(step, shape, MarksOf(grid));
  const TextSource text = [this](const char* key, const char* english) { return Text(key, english); };
  note.text = Explain(step, shape, text, SymbolToken);
  for (const auto& [s, d] : step.cells) note.cells.push_back(10 * s + d);
  for (const Fact& f : step.because) note.basis.push_back(10 * f.symbol + f.digit);
  if (step.reason.kind == Reason::Kind::Trial) note.steps = ExplainSteps(step, shape, text, SymbolToken);
  return note;
}

GridNote clsHintAdvisor::Guide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  const std::string situation = Situation(puzzle, grid);
  if (situation != guidedFor_) {
    guideNote_ = MakeGuide(puzzle, grid);
    guidedFor_ = situation;
  }
  return guideNote_;
}

GridNote clsHintAdvisor::MakeGuide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
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
    note.text = Text("strGuideStep", "Guided game:") + " " + note.text + " " +
                (declares ? Text("strGuideMarkYes", "Now double-click the framed digit (or press Enter on it).")
                          : Text("strGuideMarkNo", "Now click each framed digit (or press Space on it)."));
  } else if (hint.contradiction) {
    note.text = Text("strGuideWrong", "Guided game: the framed mark does not fit. Press Undo (Ctrl+Z) and go on.");
    note.cells.push_back(10 * hint.contradiction->first + hint.contradiction->second);
  } else {
    note.text = Text("strGuideDone",
                     "Solved: well done! In short: a symbol with one digit left is that digit; one column of a sum "
                     "rules digits out; two columns together rule out more; and where that stops, a supposition "
                     "that ends in a contradiction is wrong. Hint (Ctrl+H) gives the next step whenever you like.");
  }
  note.inGuide = !hint.solved;
  return note;
}

std::string clsHintAdvisor::NothingFollows(const HintResult& hint) const {
  if (hint.fitting <= 1) return Text("strHintNothing", "Nothing more follows from the grid.");
  return FillMark(Text("strHintSeveral",
                       "%1 solutions still fit the grid: this puzzle has more than one answer, and nothing more "
                       "follows."),
                  "%1", std::to_string(hint.fitting));
}

void clsHintAdvisor::Check(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  GridNote note;
  if (const std::optional<std::pair<int, int>> wrong = FirstWrongMark(puzzle, grid)) {
    note.text = FillMark(Text("strCheckWrong", "The framed mark does not fit any solution: %1, digit %2."), "%1",
                         SymbolToken(wrong->first));
    note.text = FillMark(note.text, "%2", std::to_string(wrong->second));
    note.cells.push_back(10 * wrong->first + wrong->second);
  } else {
    note.text = Text("strCheckFine", "Nothing is wrong so far.");
  }
  Keep(puzzle, grid, note, std::nullopt);
}

void clsHintAdvisor::ShowDifficulty(const clsPuzzle& puzzle, const clsSolveStatus& grid, Difficulty rating) {
  static const char* const keys[] = {"strLevelAny",  "strLevelEasy",   "strLevelMedium",
                                     "strLevelHard", "strLevelExpert", "strLevelSeveral"};
  static const char* const english[] = {"any", "easy", "medium", "hard", "expert", "several solutions"};
  const auto level = static_cast<std::size_t>(rating);
  GridNote note;
  note.text = FillMark(Text("strDifficulty", "Difficulty: %1"), "%1", Text(keys[level], english[level]));
  Keep(puzzle, grid, note, std::nullopt);
}

GridNote clsHintAdvisor::NoteFor(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  if (madeFor_.empty() || madeFor_ != Situation(puzzle, grid)) return {};
  return note_;
}

}  // namespace glyph
