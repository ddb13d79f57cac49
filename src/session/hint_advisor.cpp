#include "session/hint_advisor.h"

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
                          std::optional<Fact> fact) {
  note_ = std::move(note);
  madeFor_ = Situation(puzzle, grid);
  pending_ = fact;
}

std::optional<Fact> clsHintAdvisor::Hint(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  if (pending_ && madeFor_ == Situation(puzzle, grid)) {
    const Fact fact = *pending_;
    Keep(puzzle, grid, {}, std::nullopt);
    madeFor_.clear();
    return fact;
  }
  const HintResult hint = NextHint(puzzle, grid);
  GridNote note;
  if (hint.deduction) {
    note.text = Explain(
        *hint.deduction, ShapeOf(puzzle), [this](const char* key, const char* english) { return Text(key, english); },
        SymbolToken);
    note.text += " " + Text("strHintAgain", "Press Hint again to mark it.");
    for (const auto& [s, d] : hint.deduction->cells) note.cells.push_back(10 * s + d);
    Keep(puzzle, grid, note, hint.deduction->fact);
    return std::nullopt;
  }
  if (hint.contradiction) {
    note.text =
        Text("strHintWrongMark", "The framed mark fits no solution of the puzzle: nothing follows until it goes.");
    note.cells.push_back(10 * hint.contradiction->first + hint.contradiction->second);
  } else if (hint.solved) {
    note.text = Text("strHintSolved", "Every symbol on the board is known.");
  } else {
    note.text = Text("strHintNothing", "Nothing more follows from the grid.");
  }
  Keep(puzzle, grid, note, std::nullopt);
  return std::nullopt;
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
  static const char* const keys[] = {"strLevelAny", "strLevelEasy", "strLevelMedium", "strLevelHard", "strLevelExpert"};
  static const char* const english[] = {"any", "easy", "medium", "hard", "expert"};
  const auto level = static_cast<std::size_t>(rating);
  Keep(puzzle, grid, {FillMark(Text("strDifficulty", "Difficulty: %1"), "%1", Text(keys[level], english[level])), {}},
       std::nullopt);
}

GridNote clsHintAdvisor::NoteFor(const clsPuzzle& puzzle, const clsSolveStatus& grid) const {
  if (madeFor_.empty() || madeFor_ != Situation(puzzle, grid)) return {};
  return note_;
}

}  // namespace glyph
