// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/cls_solve_status.h"

namespace glyph {

// The player's steps on the grid in one game, for undo and redo: each step
// keeps the grid as it was before it.
class clsGridHistory {
 public:
  // A step from before to now. A step that changed nothing is not kept; a
  // new step leaves nothing to redo.
  void Remember(const clsSolveStatus& before, const clsSolveStatus& now);
  // A new game starts an empty history.
  void Forget();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The grid one step back (or forward again); now is kept for the way back.
  // Only when CanUndo (CanRedo).
  clsSolveStatus Undo(const clsSolveStatus& now) { return Step(undo_, redo_, now); }
  clsSolveStatus Redo(const clsSolveStatus& now) { return Step(redo_, undo_, now); }

  // The grid before the last step, if there is one.
  const clsSolveStatus* LastBefore() const { return undo_.empty() ? nullptr : &undo_.back(); }
  // Takes the last step back out of the history (a double click joins the
  // step its own click made) and returns the grid before it.
  clsSolveStatus TakeLast();

  // The steps as grids in their text form, oldest first, for a kept game:
  // at most the last kKeptSteps each way.
  static constexpr std::size_t kKeptSteps = 100;
  std::vector<std::string> UndoTexts() const { return Texts(undo_); }
  std::vector<std::string> RedoTexts() const { return Texts(redo_); }
  void Restore(const std::vector<std::string>& undo, const std::vector<std::string>& redo);

 private:
  static clsSolveStatus Step(std::vector<clsSolveStatus>& from, std::vector<clsSolveStatus>& to,
                             const clsSolveStatus& now);
  static std::vector<std::string> Texts(const std::vector<clsSolveStatus>& steps);

  std::vector<clsSolveStatus> undo_;
  std::vector<clsSolveStatus> redo_;
};

}  // namespace glyph
