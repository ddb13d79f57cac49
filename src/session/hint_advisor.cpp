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

// The note is kept with the way to make it again, so that it follows a
// change of language at once.
void clsHintAdvisor::Keep(const clsPuzzle& puzzle, const clsSolveStatus& grid, std::function<GridNote()> make,
                          std::optional<std::vector<Fact>> facts) {
  make_ = std::move(make);
  note_ = make_ ? make_() : GridNote{};
  madeFor_ = Situation(puzzle, grid);
  pending_ = std::move(facts);
}

void clsHintAdvisor::Retranslate() {
  if (make_) note_ = make_();
  guidedFor_.clear();
}

std::optional<std::vector<Fact>> clsHintAdvisor::Hint(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  if (pending_ && madeFor_ == Situation(puzzle, grid)) {
    std::vector<Fact> facts = *pending_;
    Keep(puzzle, grid, nullptr, std::nullopt);
    madeFor_.clear();
    return facts;
  }
  const HintResult hint = NextHint(puzzle, grid);
  if (hint.deduction) {
    Keep(
        puzzle, grid,
        [this, puzzle, grid, step = *hint.deduction] {
          Deduction explained = step;
          GridNote note = Explained(puzzle, grid, explained);
          note.text += " " + Text("strHintAgain", "Press Hint again to mark it.");
          return note;
        },
        hint.deduction->facts);
    return std::nullopt;
  }
  Keep(
      puzzle, grid,
      [this, hint] {
        GridNote note;
        if (hint.contradiction) {
          note.text = Text("strHintWrongMark",
                           "The framed mark fits no solution of the puzzle: nothing follows until it goes.");
          note.cells.push_back(10 * hint.contradiction->first + hint.contradiction->second);
        } else if (hint.solved) {
          note.text = Text("strHintSolved", "Every symbol on the board is known.");
        } else {
          note.text = NothingFollows(hint);
        }
        return note;
      },
      std::nullopt);
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

std::string clsHintAdvisor::NothingFollows(const HintResult& hint) const {
  if (hint.fitting <= 1) return Text("strHintNothing", "Nothing more follows from the grid.");
  return FillMark(Text("strHintSeveral",
                       "%1 solutions still fit the grid: this puzzle has more than one answer, and nothing more "
                       "follows."),
                  "%1", std::to_string(hint.fitting));
}

void clsHintAdvisor::Check(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  const std::optional<std::pair<int, int>> wrong = FirstWrongMark(puzzle, grid);
  Keep(
      puzzle, grid,
      [this, wrong] {
        GridNote note;
        if (wrong) {
          note.text = FillMark(Text("strCheckWrong", "The framed mark does not fit any solution: %1, digit %2."), "%1",
                               SymbolToken(wrong->first));
          note.text = FillMark(note.text, "%2", std::to_string(wrong->second));
          note.cells.push_back(10 * wrong->first + wrong->second);
        } else {
          note.text = Text("strCheckFine", "Nothing is wrong so far.");
        }
        return note;
      },
      std::nullopt);
}

void clsHintAdvisor::ShowDifficulty(const clsPuzzle& puzzle, const clsSolveStatus& grid, Difficulty rating,
                                    const std::string& dailyDate) {
  static const char* const keys[] = {"strLevelAny",  "strLevelEasy",   "strLevelMedium",
                                     "strLevelHard", "strLevelExpert", "strLevelSeveral"};
  static const char* const english[] = {"any", "easy", "medium", "hard", "expert", "several solutions"};
  const auto level = static_cast<std::size_t>(rating);
  Keep(
      puzzle, grid,
      [this, level, dailyDate] {
        GridNote note;
        note.text = FillMark(Text("strDifficulty", "Difficulty: %1"), "%1", Text(keys[level], english[level]));
        if (!dailyDate.empty()) {
          note.text = FillMark(Text("strDailyNote", "Today's puzzle, %1."), "%1", dailyDate) + " " + note.text;
        }
        return note;
      },
      std::nullopt);
}

GridNote clsHintAdvisor::NoteFor(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  if (madeFor_.empty() || madeFor_ != Situation(puzzle, grid)) return {};
  return note_;
}

}  // namespace glyph
