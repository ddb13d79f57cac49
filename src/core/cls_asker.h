// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

enum class MessageIcon { None, Question, Information, Exclamation, Critical };

// Asking and telling the player: modal message boxes. The logic decides the
// texts and the preselected button; the platform shows them.
class clsAsker {
 public:
  virtual ~clsAsker() = default;

  // A Yes/No question; true for Yes. yesPreselected chooses the button that
  // Enter presses.
  virtual bool AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected) = 0;

  // A message with an OK button.
  virtual void Tell(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace glyph
