// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "session/commands.h"

namespace glyph {

// The main buttons as every front end shows them: in the order they stand,
// each with its control's name (the language files' key of its caption),
// its English caption with the mnemonic after '&', and its tool tip. A gap
// before a button starts a new group; a half-left button shares its row
// with the next.
struct ButtonText {
  Command command;
  const char* name;
  const char* caption;
  const char* tipKey;
  const char* tip;
  bool gapBefore;
  bool halfLeft = false;  // the left half of a row the next button shares
};

// The buttons in the order they stand, with their captions and tool tips.
inline constexpr std::array<ButtonText, kMainButtonCount> kButtonTexts{{
    {Command::New, "cmdNew", "&New game", "strTipNew", "Start a new puzzle", false},
    {Command::Daily, "cmdDaily", "Today's p&uzzle", "strTipDaily",
     "The same puzzle for everyone today: easy on Mondays, rising to expert on Sundays", false},
    {Command::PlayCode, "cmdPlayCode", "Play a co&de...", "strTipPlayCode",
     "Play the puzzle of a code a friend gave you (Ctrl+I)", false},
    {Command::Clear, "cmdClear", "&Clear grid", "strTipClear", "Remove every mark from the solution grid", false},
    {Command::Solve, "cmdSolve", "&Solve game", "strTipSolve", "Show the solution of this puzzle", false},
    {Command::Undo, "cmdUndo", "&Undo", "strTipUndo", "Take back the last change of the grid (Ctrl+Z)", false, true},
    {Command::Redo, "cmdRedo", "Redo", "strTipRedo", "Make the change taken back again (Ctrl+Y)", false},
    {Command::Hint, "cmdHint", "H&int", "strTipHint",
     "Show the next fact that follows and why; press again to mark it (Ctrl+H)", false, true},
    {Command::Check, "cmdCheck", "Chec&k", "strTipCheck", "Say whether any of your marks fits no solution", false},
    {Command::Pause, "cmdPause", "Pause", "strTipPause", "Stop the clock and cover the board (F5 or P)", false, true},
    {Command::Statistics, "cmdStatistics", "Statistics", "strTipStatistics",
     "Games solved, best times and runs (Ctrl+T)", false},
    {Command::AddBookmark, "cmdAddBookmark", "&Add bookmark", "strTipAddBookmark",
     "Keep a named copy of the solution grid", true},
    {Command::OpenBookmark, "cmdOpenBookmark", "&Open bookmark", "strTipOpenBookmark",
     "Go back to a bookmark of this game", false},
    {Command::Save, "cmdSave", "Sa&ve game", "strTipSave", "Save this game to a file", true},
    {Command::Load, "cmdLoad", "&Load game", "strTipLoad", "Load a saved game", false},
    {Command::Print, "cmdPrint", "&Print game", "strTipPrint", "Print puzzles on paper or to a PDF file", false},
    {Command::Options, "cmdOptions", "Op&tions", "strTipOptions", "Choose the style and the language", true},
    {Command::NetworkGame, "cmdNetworkGame", "Net&work game", "strTipNetworkGame",
     "Race other players on the local network", false},
    {Command::Help, "cmdHelp", "&Help", "strTipHelp", "How to play", true},
    {Command::Guide, "cmdHowToPlay", "How to play", "strTipHowToPlay",
     "A short guided game on an easy puzzle: each step explained, marked by you", false},
    {Command::Homepage, "cmdHomepage", "Ho&mepage", "strTipHomepage", "Open the game's web page", false},
    {Command::Close, "cmdClose", "&Quit game", "strTipClose", "Close Glyphmatic", true},
}};

// Every main button stands in the table exactly once, and nothing else.
constexpr bool CoversEveryButton() {
  std::array<int, kCommandCount> seen{};
  for (const ButtonText& button : kButtonTexts) ++seen[static_cast<std::size_t>(button.command)];
  for (const CommandRule& rule : kCommandRules) {
    if (seen[static_cast<std::size_t>(rule.command)] != (rule.mainButton ? 1 : 0)) return false;
  }
  return true;
}
static_assert(CoversEveryButton(), "the button table must name every main button once");

}  // namespace glyph
