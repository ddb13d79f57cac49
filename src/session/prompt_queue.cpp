// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/prompt_queue.h"

#include <algorithm>

namespace glyph {

void clsPromptQueue::AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected,
                              std::function<void()> onYes, std::function<bool()> applies) {
  waiting_.push_back({{++lastId_, true, text, title, icon, yesPreselected}, std::move(onYes), std::move(applies)});
}

void clsPromptQueue::Tell(const std::string& text, const std::string& title, MessageIcon icon) {
  waiting_.push_back({{++lastId_, false, text, title, icon, false}, nullptr, nullptr});
}

std::optional<PromptView> clsPromptQueue::Front() const {
  if (waiting_.empty()) return std::nullopt;
  return waiting_.front().view;
}

std::function<void()> clsPromptQueue::Answer(int id, bool yes) {
  if (waiting_.empty() || waiting_.front().view.id != id) return nullptr;
  Waiting answered = std::move(waiting_.front());
  waiting_.pop_front();
  return yes && answered.view.question ? std::move(answered.onYes) : nullptr;
}

void clsPromptQueue::CloseStale() {
  std::erase_if(waiting_, [](const Waiting& waiting) { return waiting.applies && !waiting.applies(); });
}

}  // namespace glyph
