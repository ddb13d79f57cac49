// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/cls_asker.h"

namespace glyph {

// Answers questions from a script, else with the default answer when one is
// set, and records every question and message. A question it has no answer
// for throws: a test never answers one it did not expect.
class clsScriptedAsker : public clsAsker {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
    bool yesPreselected;
    bool isQuestion;
  };

  void Answer(bool yes) { answers_.push_back(yes); }
  std::optional<bool> defaultAnswer;
  // Runs while a question is open, as a window's event loop would.
  std::function<void()> whileAsking;

  bool AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected) override {
    shown_.push_back({text, title, icon, yesPreselected, true});
    if (auto during = std::exchange(whileAsking, nullptr)) during();
    if (answers_.empty() && defaultAnswer) return *defaultAnswer;
    if (answers_.empty()) throw std::logic_error("unexpected question: " + text);
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
  }
  void Tell(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown_.push_back({text, title, icon, false, false});
  }

  const std::vector<Shown>& Shown() const { return shown_; }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& shown : shown_) titles.push_back(shown.title);
    return titles;
  }
  void Forget() { shown_.clear(); }

 private:
  std::deque<bool> answers_;
  std::vector<struct Shown> shown_;
};

}  // namespace glyph
