// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/cls_asker.h"

namespace glyph {

// A question or a message as the player sees it. The id names it in the
// answer, so that an answer to a question that has gone is never taken for
// the answer to the next.
struct PromptView {
  int id = 0;
  bool question = false;  // Yes and No; otherwise a message with OK
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
  bool yesPreselected = false;
  bool operator==(const PromptView&) const = default;
};

// The questions and messages waiting for the player, first come first
// shown. The session asks and tells through it; the view shows the first.
class clsPromptQueue : public clsAsker {
 public:
  void AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected,
                std::function<void()> onYes, std::function<bool()> applies = nullptr) override;
  void Tell(const std::string& text, const std::string& title, MessageIcon icon) override;

  // The prompt in front, or nothing when none waits.
  std::optional<PromptView> Front() const;
  bool Open() const { return !waiting_.empty(); }
  // The player answered the prompt of this id: it goes, and after a Yes to
  // a question its follow-up is returned for the caller to run. An answer
  // to any other prompt changes nothing.
  std::function<void()> Answer(int id, bool yes);
  // Questions that no longer apply close themselves.
  void CloseStale();
  // Everything goes unanswered (the program ends).
  void Clear() { waiting_.clear(); }

 private:
  struct Waiting {
    PromptView view;
    std::function<void()> onYes;
    std::function<bool()> applies;
  };
  std::deque<Waiting> waiting_;
  int lastId_ = 0;
};

}  // namespace glyph
