// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/board_view.h"
#include "net/race_view.h"
#include "session/dialog_desk.h"
#include "session/hint_advisor.h"
#include "session/prompt_queue.h"
#include "session/session_event.h"

namespace glyph {

// One of the main window's buttons as the player sees it.
struct ButtonView {
  bool visible = true;
  bool enabled = true;
  bool operator==(const ButtonView&) const = default;
};

// Everything the main window shows, computed by the session after each
// event: the board, the grid, the buttons, the title, the race panels, and
// the question and dialog open over it.
struct SessionView {
  BoardView board;
  GridView grid;
  std::array<ButtonView, kCommandCount> buttons{};
  std::string title;
  RaceView race;
  // Goes up when the language changed: the window sets its texts again.
  int textsVersion = 0;
  // The keyboard's cell of the grid, and a number that goes up when the grid
  // should take the keyboard focus (at the start, after New, Load and
  // opening a bookmark).
  int gridCursor = 0;
  int gridFocusVersion = 0;
  // The hint, check answer, difficulty or congratulations beside the grid,
  // and its framed cells.
  GridNote note;
  // Under the grid: the game's time ("" in a race) and the puzzle's code;
  // while paused, board and grid are covered.
  std::string clock;
  std::string code;
  bool paused = false;
  // The question or message waiting for the player, shown over everything;
  // the dialog open over the window.
  std::optional<PromptView> prompt;
  DialogView dialog;
  // The program ends now: the window closes.
  bool quit = false;

  const ButtonView& Button(Command c) const { return buttons[static_cast<std::size_t>(c)]; }
  ButtonView& Button(Command c) { return buttons[static_cast<std::size_t>(c)]; }
};

// A front end that shows the session's view: the main window, the browser
// page, or a headless peer that reports it.
class clsSessionDisplay {
 public:
  virtual ~clsSessionDisplay() = default;
  virtual void Show(const SessionView& view) = 0;
};

}  // namespace glyph
