// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on the board: marks on the grid, undo and redo, hints and checks,
// the solved game, the note and the clock.
#include <algorithm>

#include "core/clock_text.h"
#include "core/solution_rules.h"
#include "core/text_marks.h"
#include "session/cls_game_controller.h"

namespace glyph {

void clsGameController::ClickCell(int index) { GridEvent(index, false); }

void clsGameController::DoubleClickCell(int index) { GridEvent(index, true); }

void clsGameController::DeclareCell(int index) {
  ClickCell(index);
  DoubleClickCell(index);
}

void clsGameController::GridEvent(int index, bool isDouble) {
  if (gameOver_ || localFinished_ || index < 0 || index > 99) return;
  offerGuide_ = false;
  record_.Touch(Now());
  // A double click arrives after its own click: both make one step.
  const bool sameStep = isDouble && lastClicked_ == index && history_.CanUndo();
  const clsSolveStatus before = sameStep ? history_.TakeLast() : solveStatus_;
  MarkCell(solveStatus_, index / 10, index % 10, isDouble);
  Remember(before);
  const clsSolveStatus* last = history_.LastBefore();
  lastClicked_ = isDouble || last == nullptr || !(*last == before) ? -1 : index;
  // Redrawn, checked and ready for a bookmark even when the mark changed nothing.
  Redraw();
  CheckSolved();
  buttons_.addBookmark = true;
}

void clsGameController::CheckSolved() {
  if (!IsSolutionCorrect() || puzzle_.Solved()) return;  // a game counts as solved once
  puzzle_.SetSolved(true);
  SetGameOver(true);
  record_.End(true, Now());
  Redraw();
  if (raceRunning_) {
    if (raceHooks_ != nullptr) raceHooks_->LocalSolve();
    return;
  }
  solved_ = true;  // the note congratulates; nothing waits for an answer
}

void clsGameController::Redraw() {
  DrawRaster();
  DrawPuzzle();
}

// ---- Undo and redo -----------------------------------------------------
// Every change of the grid by the player is a step; the steps belong to one
// game and end with it.

void clsGameController::Remember(const clsSolveStatus& before) {
  lastClicked_ = -1;
  history_.Remember(before, solveStatus_);
}

void clsGameController::ForgetHistory() {
  lastClicked_ = -1;
  history_.Forget();
}

bool clsGameController::CanUndo() const { return !gameOver_ && !localFinished_ && history_.CanUndo(); }
bool clsGameController::CanRedo() const { return !gameOver_ && !localFinished_ && history_.CanRedo(); }

void clsGameController::Undo() {
  if (CanUndo()) Stepped(history_.Undo(solveStatus_));
}

void clsGameController::Redo() {
  if (CanRedo()) Stepped(history_.Redo(solveStatus_));
}

void clsGameController::Stepped(const clsSolveStatus& grid) {
  lastClicked_ = -1;
  solveStatus_.Assign(grid);
  Redraw();
  CheckSolved();
  buttons_.addBookmark = true;
}

// ---- Hints, checks and the note ----------------------------------------

// A hint or a check is help: the game counts from here, as a helped one.
bool clsGameController::TakeAdvice() {
  if (!CanAdvise()) return false;
  offerGuide_ = false;
  record_.Touch(Now());
  record_.SetHelped();
  return true;
}

void clsGameController::ClickHint() {
  if (!TakeAdvice()) return;
  const std::optional<std::vector<Fact>> facts = advisor_.Hint(puzzle_, solveStatus_);
  if (!facts) return;
  const clsSolveStatus before = solveStatus_;
  ApplyFacts(solveStatus_, *facts);
  Remember(before);
  Redraw();
  CheckSolved();
  buttons_.addBookmark = true;
}

void clsGameController::ClickCheck() {
  if (!TakeAdvice()) return;
  advisor_.Check(puzzle_, solveStatus_);
}

GridNote clsGameController::Note() const {
  if (guide_) return advisor_.Guide(puzzle_, solveStatus_);
  if (solved_ && gameOver_) {
    GridNote solved;
    solved.text = FillMark(Text("strSolvedIn", "Solved in %1. Well done!"), "%1", ClockText());
    solved.offerNewGame = true;
    return solved;
  }
  if (!CanAdvise()) return {};
  GridNote note = advisor_.NoteFor(puzzle_, solveStatus_);
  note.offerGuide = offerGuide_ && !note.text.empty();
  return note;
}

// ---- The clock, the style -------------------------------------------------

std::string clsGameController::ClockText() const { return record_.ClockText(Now()); }

void clsGameController::TogglePause() {
  if (Paused()) {
    record_.SetHold(clsGameClock::kPaused, false, Now());
  } else if (CanPause()) {
    record_.SetHold(clsGameClock::kPaused, true, Now());
  }
}

void clsGameController::OfferGuide() {
  offerGuide_ = true;
  HoldClock(clsGameClock::kFirstAction, true);
}

void clsGameController::HoldClock(clsGameClock::Hold why, bool on) {
  if (record_.Held(why) != on) record_.SetHold(why, on, Now());
}

void clsGameController::ApplyStyle(int style) {
  style_ = style == kStyleClassic ? kStyleClassic : kStyleModern;
  LoadStyle();
  ApplyBackColor();
  CopyMatrixSymbols(true);
  DrawPuzzle();
}

void clsGameController::SetDarkColours(bool dark) {
  dark_ = dark;
  ApplyStyle(style_);
}

}  // namespace glyph
