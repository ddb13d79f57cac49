// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/cls_game_session.h"

namespace glyph {

// Drives a session as a player at the window would: each action is the
// event a player causes, questions and dialogs are answered by events, and
// every view and prompt shown is kept for the test to look at.
class clsSessionDriver : public clsSessionDisplay {
 public:
  void Drive(clsGameSession& session) {
    session_ = &session;
    session.SetDisplay(this);
  }
  void Show(const SessionView& shown) override {
    view = shown;
    ++published;
    if (shown.prompt && (prompts.empty() || prompts.back().id != shown.prompt->id)) prompts.push_back(*shown.prompt);
  }

  void Handle(const SessionEvent& event) {
    session_->Handle(event);
    // With an answer set, every question gets it as it comes, every message OK.
    for (int i = 0; i < 32 && autoAnswer && view.prompt; ++i) {
      session_->Handle(SessionEvent::Answer(view.prompt->id, view.prompt->question ? *autoAnswer : true));
    }
  }
  void Press(Command command) { Handle(SessionEvent::Button(command)); }
  void Send(SessionEvent::Kind kind, int number = 0, const std::string& text = "") {
    Handle(SessionEvent::Of(kind, number, text));
  }
  // Answers the question in view (Yes or No) or its message (OK).
  void Reply(bool yes = true) {
    if (!view.prompt) throw std::logic_error("no question to answer");
    Handle(SessionEvent::Answer(view.prompt->id, yes));
  }
  // Answers the dialog in view: OK with what it holds, or Cancel.
  void Confirm(const std::string& text = "", int value = 0, const std::vector<std::string>& fields = {}) {
    if (view.dialog.kind == DialogKind::None) throw std::logic_error("no dialog to answer");
    Handle(SessionEvent::DialogAnswer(view.dialog.id, true, text, value, fields));
  }
  void Cancel() { Handle(SessionEvent::DialogAnswer(view.dialog.id, false)); }

  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const PromptView& prompt : prompts) titles.push_back(prompt.title);
    return titles;
  }

  std::optional<bool> autoAnswer;
  SessionView view;
  int published = 0;
  std::vector<PromptView> prompts;  // every question and message shown, in order

 private:
  clsGameSession* session_ = nullptr;
};

}  // namespace glyph
