// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/grid_history.h"

namespace glyph {

void clsGridHistory::Remember(const clsSolveStatus& before, const clsSolveStatus& now) {
  if (before == now) return;  // nothing changed
  undo_.push_back(before);
  redo_.clear();
}

void clsGridHistory::Forget() {
  undo_.clear();
  redo_.clear();
}

clsSolveStatus clsGridHistory::TakeLast() {
  clsSolveStatus before = undo_.back();
  undo_.pop_back();
  return before;
}

clsSolveStatus clsGridHistory::Step(std::vector<clsSolveStatus>& from, std::vector<clsSolveStatus>& to,
                                    const clsSolveStatus& now) {
  to.push_back(now);
  clsSolveStatus back = from.back();
  from.pop_back();
  return back;
}

}  // namespace glyph
