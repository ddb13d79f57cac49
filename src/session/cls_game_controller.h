// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/board_view.h"
#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"
#include "core/services.h"
#include "i18n/cls_catalogue.h"
#include "net/race_board.h"
#include "session/game_clock.h"
#include "session/grid_history.h"
#include "session/hint_advisor.h"
#include "storage/saved_game.h"

namespace glyph {

class clsAsker;
class clsBookmarkDialogs;
class clsCatalogue;
class clsFileChooser;
class clsFileWriter;
class clsRandomSource;
class clsSettingsStore;

// What the network race takes over from a single-player game while a session
// exists: the solved detection during a race, and the request to close.
class clsRaceHooks {
 public:
  virtual ~clsRaceHooks() = default;
  virtual void LocalSolve() = 0;
  virtual void CloseRequested() = 0;
};


// The state and operations of the main window, without a window: the current
// puzzle and grid, the bookmarks, whether the game is over, the style, and
// the race flags. Every decision of a single-player game is made here; the
// session forwards the window's events and publishes the views this class
// computes.
class clsGameController : public clsRaceBoard {
 public:
  static constexpr const char* kModule = kMainWindowModule;

  explicit clsGameController(const SessionServices& services);

  void SetRaceHooks(clsRaceHooks* hooks) { raceHooks_ = hooks; }
  // Who hears of a counted game's start (its category) and end (category,
  // solved or given up, seconds played, solved without Hint or Check).
  using RecordStarted = std::function<void(const std::string&)>;
  using RecordEnded = std::function<void(const std::string&, bool, std::int64_t, bool)>;
  void SetRecordHooks(RecordStarted started, RecordEnded ended) {
    recordStarted_ = std::move(started);
    recordEnded_ = std::move(ended);
  }

  // The start-up of the main window after its texts are translated: the
  // style, the board, and the game of the command line or a new one.
  void StartUp(const std::vector<std::string>& arguments);

  // The file the command line names: the arguments joined with single
  // blanks, cut before the first "#0#".
  static std::string CommandLineFile(const std::vector<std::string>& arguments);

  // Buttons and grid events. While a race runs, the board is the race's:
  // New, Clear, Solve, Load and the bookmarks do nothing.
  void ClickNew();
  // Today's puzzle for a local date, and a puzzle from a code: new games,
  // after the new-game question when the grid holds marks.
  void ClickDaily(int year, int month, int day);
  void PlayPuzzle(const clsPuzzle& puzzle);
  void ClickClear();
  void ClickSolve();
  // True when the window may close: asks the quit question first.
  bool ClickClose();
  // The window's own close control: true when the window may close.
  bool RequestClose();
  void ClickCell(int index);
  void DoubleClickCell(int index);
  // A whole double click at once (a key): one step.
  void DeclareCell(int index);
  void ClickSave();
  void ClickLoad();
  void ClickAddBookmark();
  void ClickOpenBookmark();

  // Undo and redo of the player's steps on the grid in this game: a click, a
  // double click, Clear grid, opening a bookmark. Nothing once the game is
  // over; a new, loaded or race puzzle starts an empty history.
  bool CanUndo() const;
  bool CanRedo() const;
  void Undo();
  void Redo();

  // Hint shows the next fact beside the grid; pressed again on the same grid
  // it marks that fact as one step. Check says whether a mark fits no
  // solution. Neither works in a network game or once the game is over.
  bool CanAdvise() const { return !gameOver_ && !networkSession_ && !raceRunning_; }
  void ClickHint();
  void ClickCheck();
  // The note beside the grid, while the grid is as it was when it was made;
  // in the guided game, the guide's word on the grid as it is.
  GridNote Note() const;
  // The guided game: an easy puzzle whose note says each step and waits for
  // the player to mark it, until it is solved or the player leaves.
  void StartGuide();
  void LeaveGuide() { guide_ = false; }
  bool InGuide() const { return guide_; }

  // The game's clock under the grid ("" when there is none: a race), the
  // pause that covers board and grid, and the window being minimised. Both
  // hold the clock; a pause ends with any key or click.
  std::string ClockText() const;
  bool CanPause() const { return clock_.Running() && !networkSession_ && !gameOver_; }
  bool Paused() const { return clock_.Held(clsGameClock::kPaused); }
  void TogglePause();
  void SetMinimised(bool minimised);

  // On quitting: an unfinished single-player game is kept in the player's
  // data folder for the next start, and anything else forgets a kept game.
  void KeepOrForget();

  // Reads a saved game into the window; a file that is not one, or cannot be
  // read, is reported and changes nothing. True when the game was loaded.
  bool LoadGameFile(const std::string& path);

  // Operations other parts of the game call.
  void SetGameOver(bool gameOver) override;
  void NewGame();
  void ResetBookmarks();
  bool IsSolutionCorrect() const;
  void CheckSolved();
  void ShowSolution(bool ask);
  void MarkCell(int s, int d, bool isDouble);
  void ApplyStyle(int style);
  // The dark colours for board and grid, or the style's own.
  void SetDarkColours(bool dark);
  bool DarkColours() const { return dark_; }

  // The network race's steps on the board. A received puzzle keeps the
  // symbols as they were.
  std::string MakeRacePuzzle() override;
  std::string PuzzleText() const override { return puzzle_.MakeSendString(); }
  void ClearGridForRace() override;
  bool ReceiveRacePuzzle(const std::string& text) override;
  void RevealForRace() override { ShowSolution(false); }

  const clsPuzzle& Puzzle() const { return puzzle_; }
  clsPuzzle& Puzzle() { return puzzle_; }
  const clsSolveStatus& SolveStatus() const { return solveStatus_; }
  clsSolveStatus& SolveStatus() { return solveStatus_; }
  std::vector<clsSolveStatus>& Bookmarks() { return bookmarks_; }
  const std::vector<clsSolveStatus>& Bookmarks() const { return bookmarks_; }
  int BookmarkCounter() const { return bookmarkCounter_; }

  bool GameOver() const { return gameOver_; }
  int Style() const { return style_; }
  Colour StyleBackColor() const { return styleBackColor_; }

  // Set by the network race.
  bool RaceRunning() const override { return raceRunning_; }
  void SetRaceRunning(bool value) override { raceRunning_ = value; }
  bool LocalFinished() const override { return localFinished_; }
  void SetLocalFinished(bool value) override { localFinished_ = value; }
  bool NetworkSessionExists() const { return networkSession_; }
  void SetNetworkSessionExists(bool value) override { networkSession_ = value; }

  // What the window paints.
  const BoardView& Board() const { return board_; }
  const GridView& Grid() const { return grid_; }
  const ButtonStates& Buttons() const { return buttons_; }

  // The text of module frmSymbol for an item, or its English default.
  std::string Text(const char* item, const char* defaultText) const;

 private:
  // How this game is timed and counted: a new, daily or code game counts in
  // its category; a loaded, guided or race game does not.
  struct GameRecord {
    std::string category;  // empty: the game does not count
    bool helped = false;   // Hint or Check was pressed
  };
  bool MayLeaveGame();
  void StartPuzzle(const clsPuzzle& puzzle, Difficulty rating, std::string category);
  void StartRecord(std::string category);
  void EndRecord(bool solved);
  bool ResumeKeptGame();
  void TakeSavedGame(SavedGame game);
  std::int64_t Now() const;

  bool guide_ = false;
  bool offerGuide_ = false;  // the first start offers the guided game in the note
  bool Ask(const char* textKey, const char* text, const char* titleKey, const char* title, bool yesPreselected);
  void Tell(const char* textKey, const char* text, const char* titleKey, const char* title);
  void GridEvent(int index, bool isDouble);
  void Remember(const clsSolveStatus& before);
  void ForgetHistory();
  void Stepped(const clsSolveStatus& grid);

  // Drawing: these compute the views; the display paints them.
  void LoadStyle();
  void ApplyBackColor();
  void CopyMatrixSymbols(bool copy);
  void DrawPuzzle();
  void DrawRaster();
  void SetDigitBackColor(BoardCell& cell, int verdict) const;

  clsAsker& asker_;
  clsSettingsStore& settings_;
  clsRandomSource& random_;
  const clsCatalogue& catalogue_;
  clsFileChooser& files_;
  clsBookmarkDialogs& bookmarkDialogs_;
  clsFileWriter& writer_;
  clsClock& time_;
  std::string dataFolder_;
  clsGameClock clock_;
  GameRecord record_;
  RecordStarted recordStarted_ = [](const std::string&) {};
  RecordEnded recordEnded_ = [](const std::string&, bool, std::int64_t, bool) {};
  clsRaceHooks* raceHooks_ = nullptr;

  clsPuzzle puzzle_;
  clsSolveStatus solveStatus_;
  std::vector<clsSolveStatus> bookmarks_;
  clsGridHistory history_;
  clsHintAdvisor advisor_;
  int lastClicked_ = -1;  // the cell whose click made the last step, for its double click
  int bookmarkCounter_ = 0;
  bool raceRunning_ = false;
  bool localFinished_ = false;
  bool networkSession_ = false;
  int style_ = kStyleModern;
  bool dark_ = false;
  Colour styleBackColor_ = kModernBackColor;
  bool gameOver_ = false;

  BoardView board_;
  GridView grid_;
  ButtonStates buttons_;
};

}  // namespace glyph
