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

std::vector<std::string> clsGridHistory::Texts(const std::vector<clsSolveStatus>& steps) {
  std::vector<std::string> texts;
  const std::size_t first = steps.size() > kKeptSteps ? steps.size() - kKeptSteps : 0;
  for (std::size_t i = first; i < steps.size(); ++i) texts.push_back(steps[i].MakeStatusString());
  return texts;
}

void clsGridHistory::Restore(const std::vector<std::string>& undo, const std::vector<std::string>& redo) {
  Forget();
  for (const std::string& text : undo) undo_.emplace_back().ReadFromString(text);
  for (const std::string& text : redo) redo_.emplace_back().ReadFromString(text);
}

}  // namespace glyph
