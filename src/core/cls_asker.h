// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace glyph {

enum class MessageIcon { None, Question, Information, Exclamation, Critical };

// Asking and telling the player. Nothing waits for the answer: a question is
// put before the player, and when it is answered Yes its follow-up runs as
// an event of its own. The logic decides the texts and the preselected
// button; the session keeps them in its view until they are answered.
class clsAsker {
 public:
  virtual ~clsAsker() = default;

  // A Yes/No question; onYes runs after a Yes, nothing after a No.
  // yesPreselected chooses the button that Enter presses. While applies is
  // given and turns false (the race started, the host left), the question
  // no longer means anything and closes itself unanswered.
  virtual void AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected,
                        std::function<void()> onYes, std::function<bool()> applies = nullptr) = 0;

  // A message with an OK button.
  virtual void Tell(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace glyph
