// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace glyph {

// The main window's buttons and the race panels' buttons, each a command of
// the session. Which are main buttons, and which end a pause, is the table
// of session/commands.h.
enum class Command {
  New,
  Clear,
  Solve,
  Undo,
  Redo,
  AddBookmark,
  OpenBookmark,
  Save,
  Load,
  Print,
  Options,
  NetworkGame,
  Help,
  Homepage,
  Hint,
  Check,
  Guide,  // How to play: the guided game
  Pause,  // pauses the clock under a cover; pressed again, or any key or click, goes on
  Statistics,
  Daily,     // today's puzzle
  PlayCode,  // a puzzle from its code
  Close,
  // The race panels.
  NetStart,
  NetCancel,
  NetGiveUp,
  NetExit,
  CloseResults,
  LeaveGuide,
};
inline constexpr int kCommandCount = static_cast<int>(Command::LeaveGuide) + 1;

// The keys the solution grid takes.
enum GridKey {
  kGridKeyUp,
  kGridKeyDown,
  kGridKeyLeft,
  kGridKeyRight,
  kGridKeyHome,
  kGridKeyEnd,
  kGridKeySpace,
  kGridKeyEnter,
  kGridKeyDigit
};

// Everything that happens to the game: what the player does, the clock's
// ticks, what the network brings and the answers to questions and dialogs.
// Every front end turns its input into these and hands them to
// clsGameSession::Handle.
struct SessionEvent {
  enum class Kind {
    Button,           // command
    GridClick,        // number: the cell 10 s + d
    GridDoubleClick,  // number: the cell 10 s + d
    HelpKey,          // F1: help at the topic of what is shown
    MakerLink,        // the maker's address under the buttons
    WindowClose,      // the window's own close control
    StartUpTimer,     // the one-shot timer after the start-up
    Tick,             // the 500 ms network tick
    Datagram,         // text: the payload as received; source and value: the sender's address and port
    Kick,             // number: the lobby list's row
    Chat,             // text: the line typed
    RaceOptions,      // number: the time field in seconds; text: the penalty field
    GridKey,          // number: a GridKey, or kGridKeyDigit + the digit typed
    Minimised,        // number: 1 when the window was minimised, 0 when it is back
    Quitting,         // the program ends now (a signal, the desktop session ending)
    CopyCode,         // the puzzle's code to the clipboard
    Answer,           // number: the question's id; yes: Yes (or OK), else No
    DialogAnswer,     // number: the dialog's id; yes: OK, else Cancel; text, value, fields: what it holds
    BookmarkRemove,   // number: the bookmark list's row
    BookmarkRename,   // number: the bookmark list's row; text: the new name
    LinkCode,         // text: a puzzle's code from a link (a web address), played without the dialog
    LinkDate,         // text: a date YYYY-MM-DD from a link: that day's puzzle
    Keep,             // the front end may end without notice (a browser page hidden): keep the game now
  };

  Kind kind = Kind::Tick;
  Command command = Command::New;
  int number = 0;
  std::string text;
  std::string source;
  bool yes = false;
  int value = 0;
  std::vector<std::string> fields = {};

  static SessionEvent Button(Command c) { return {Kind::Button, c, 0, {}, {}}; }
  static SessionEvent Of(Kind k, int n = 0, std::string t = {}) { return {k, Command::New, n, std::move(t), {}}; }
  static SessionEvent Datagram(std::string payload, std::string from, int fromPort = 0) {
    return {Kind::Datagram, Command::New, 0, std::move(payload), std::move(from), false, fromPort};
  }
  static SessionEvent Answer(int promptId, bool yes) { return {Kind::Answer, Command::New, promptId, {}, {}, yes}; }
  // A dialog's answer: OK with what it holds, or Cancel.
  static SessionEvent DialogAnswer(int dialogId, bool ok, std::string text = {}, int value = 0,
                                   std::vector<std::string> fields = {}) {
    return {Kind::DialogAnswer, Command::New, dialogId, std::move(text), {}, ok, value, std::move(fields)};
  }
};

}  // namespace glyph
