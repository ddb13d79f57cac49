// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "session/session_event.h"

namespace glyph {

// What each command is to the main window: one of its buttons or a race
// panel's; whether a click on it while paused only ends the pause; and what
// of a network game keeps it from being done (see clsGameSession::MayDo).
struct CommandRule {
  Command command;
  bool mainButton;      // a button of the main window, shown or hidden with the race
  bool endsPause;       // pressed while paused, it only ends the pause
  bool needsFreeBoard;  // not while a race runs: the board is the race's
  bool singlePlayer;    // not in a network game at all
};

inline constexpr std::array<CommandRule, kCommandCount> kCommandRules{{
    {Command::New, true, true, true, false},
    {Command::Clear, true, true, true, false},
    {Command::Solve, true, true, true, false},
    {Command::Undo, true, true, false, false},
    {Command::Redo, true, true, false, false},
    {Command::AddBookmark, true, true, true, false},
    {Command::OpenBookmark, true, true, true, false},
    {Command::Save, true, true, false, false},
    {Command::Load, true, true, true, false},
    {Command::Print, true, true, false, false},
    {Command::Options, true, false, false, false},
    {Command::NetworkGame, true, true, false, false},
    {Command::Help, true, false, false, false},
    {Command::Homepage, true, false, false, false},
    {Command::Hint, true, true, false, true},
    {Command::Check, true, true, false, true},
    {Command::Guide, true, true, true, true},
    {Command::Pause, true, true, true, true},
    {Command::Statistics, true, false, false, false},
    {Command::Daily, true, true, true, true},
    {Command::PlayCode, true, true, true, true},
    {Command::Close, true, true, false, false},
    {Command::NetStart, false, false, false, false},
    {Command::NetCancel, false, false, false, false},
    {Command::NetGiveUp, false, false, false, false},
    {Command::NetExit, false, false, false, false},
    {Command::CloseResults, false, false, false, false},
    {Command::LeaveGuide, false, true, false, false},
}};

// The table holds every command once, in the order of the enum, so that a
// command finds its rule by its number.
constexpr bool RulesFollowTheCommands() {
  for (std::size_t i = 0; i < kCommandRules.size(); ++i) {
    if (static_cast<std::size_t>(kCommandRules[i].command) != i) return false;
  }
  return true;
}
static_assert(RulesFollowTheCommands(), "every command has its rule, in the order of the enum");

constexpr int CountMainButtons() {
  int count = 0;
  for (const CommandRule& rule : kCommandRules) count += rule.mainButton ? 1 : 0;
  return count;
}
inline constexpr int kMainButtonCount = CountMainButtons();

constexpr const CommandRule& RuleOf(Command command) { return kCommandRules[static_cast<std::size_t>(command)]; }

}  // namespace glyph
