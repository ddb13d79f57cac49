// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/deduction.h"
#include "session/session_event.h"

namespace glyph {

// The session's dialogs. A front end opens the one the view names over its
// window, without waiting for it, and sends its answer back as an event.
enum class DialogKind {
  None,
  OpenGame,      // a saved game to load
  SaveGame,      // the file to save the game to
  Options,       // style, language, colours, difficulty, continuing
  Print,         // a batch of puzzles to paper or a PDF file
  Statistics,    // the player's record
  Bookmarks,     // the bookmarks of this game: open, rename, remove
  BookmarkName,  // the name of a new bookmark
  PlayCode,      // a puzzle's code to play
  NetworkGame,   // host or join a race
};

struct DialogView {
  DialogKind kind = DialogKind::None;
  int id = 0;  // goes up with every dialog opened: an answer names its dialog
  // OpenGame, SaveGame: the file filter; BookmarkName: the name offered;
  // PlayCode, NetworkGame: what the player typed, when it was refused.
  std::string text = "";
  std::string extension = "";  // SaveGame: added to a name typed without one
  // Why the last answer was refused; the dialog stays open to mend it.
  std::string error = "";
  int errorField = 0;                       // NetworkGame: 0 the local address, 1 the host's
  std::vector<std::string> items = {};      // Bookmarks: their names, in order
  int selected = -1;                        // Bookmarks: the row selected at first
  int style = 0;                            // Options, Print: the board's style
  Difficulty difficulty = Difficulty::Any;  // Print: of the batch's new puzzles
  bool operator==(const DialogView&) const = default;
};

// The one dialog open at a time, and what to do with its answer.
class clsDialogDesk {
 public:
  using Answered = std::function<void(const SessionEvent&)>;

  // Opens a dialog (one still open closes unanswered); its answer, OK or
  // Cancel, goes to answered.
  void Open(DialogView dialog, Answered answered);
  // The answer to the dialog of the event's id: the dialog closes, then its
  // handler runs. An answer to any other dialog changes nothing.
  void Answer(const SessionEvent& event);
  // Inside a handler: the dialog stays open, showing the answer as typed
  // and why it was refused.
  void Refuse(std::string typed, std::string error, int field = 0);
  void Close();

  bool IsOpen(DialogKind kind) const { return view_.kind == kind; }
  bool Open() const { return view_.kind != DialogKind::None; }
  const DialogView& View() const { return view_; }
  // The bookmark list changed while its dialog is open.
  void SetItems(std::vector<std::string> items) { view_.items = std::move(items); }

 private:
  DialogView view_;
  Answered answered_;
  int lastId_ = 0;
  bool refused_ = false;
};

}  // namespace glyph
