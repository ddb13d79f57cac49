// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/board_view.h"
#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"
#include "core/services.h"
#include "i18n/cls_catalogue.h"
#include "net/race_board.h"
#include "session/game_record.h"
#include "session/grid_history.h"
#include "session/hint_advisor.h"
#include "storage/kept_game.h"
#include "storage/saved_game.h"

namespace glyph {

class clsCatalogue;
class clsClock;
class clsFileWriter;
class clsRandomSource;
class clsSettingsStore;

// What the network race takes over from a single-player game while a session
// exists: the solved detection during a race.
class clsRaceHooks {
 public:
  virtual ~clsRaceHooks() = default;
  virtual void LocalSolve() = 0;
};

// A game as it is put on the board.
struct BoardStart {
  enum class Kind {
    New,     // a new puzzle (a new game, today's, a code's): an empty grid, counted
    Loaded,  // a saved or kept game: its grid and bookmarks
    Guide,   // the guided game
    Race,    // a network race's puzzle: no clock, nothing counted
  };
  Kind kind = Kind::New;
  clsPuzzle puzzle = {};
  clsSolveStatus grid = {};
  std::vector<clsSolveStatus> bookmarks = {};
  std::optional<Difficulty> rating = {};   // shown in the note
  std::string dailyDate = "";              // today's puzzle's date, YYYY-MM-DD, for the note
  std::string category = "";               // where a new game counts; "" nowhere
  std::optional<KeptGameFacts> kept = {};  // a kept game goes on with its time and record
};

// The board without a window: the current puzzle and grid, the bookmarks,
// whether the game is over, the style, the record and the race flags. It
// asks nothing: the session asks, and then calls the operation here.
class clsGameController : public clsRaceBoard {
 public:
  static constexpr const char* kModule = kMainWindowModule;

  explicit clsGameController(const SessionServices& services);

  void SetRaceHooks(clsRaceHooks* hooks) { raceHooks_ = hooks; }
  clsGameRecord& Record() { return record_; }
  const clsGameRecord& Record() const { return record_; }

  // The style from the settings, before the first board.
  void StartUp();
  // Every game comes to the board through here: game over, history,
  // bookmarks, style, grid, note, record and drawing, in that order.
  void StartBoard(BoardStart start);

  // The boards a player starts.
  void NewGame();  // at the preferred difficulty
  void StartDaily(int year, int month, int day);
  void PlayPuzzle(const clsPuzzle& puzzle);
  void StartGuide();
  // A saved game onto the board; anything but Loaded leaves the board alone.
  LoadOutcome LoadGameFile(const std::string& path);
  WriteOutcome SaveGameFile(const std::string& path);

  // Leaving this game loses the player's work: marks on a game not over.
  bool HasWorkAtStake() const;

  void ClearGrid();
  void RevealSolution();
  bool IsSolutionCorrect() const;

  // Bookmarks: the default name of the next (counting it, even when the
  // player cancels), adding, opening, renaming and removing one.
  std::string NextBookmarkName();
  void AddBookmark(const std::string& name);
  void OpenBookmark(std::size_t index);
  void RenameBookmark(std::size_t index, const std::string& name);
  void RemoveBookmark(std::size_t index);
  std::vector<std::string> BookmarkNames() const;

  // The grid: a click rules out, a double click (after its click) declares;
  // a key declares in one step.
  void ClickCell(int index);
  void DoubleClickCell(int index);
  void DeclareCell(int index);

  // Undo and redo of the player's steps on the grid in this game: a click, a
  // double click, Clear grid, opening a bookmark, a hint. Nothing once the
  // game is over; a new, loaded or race puzzle starts an empty history.
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
  // The note beside the grid: the guide's word in the guided game; a solved
  // game's congratulations; a hint, check or difficulty while the grid is
  // as it was when it was made.
  GridNote Note() const;
  void LeaveGuide() { guide_ = false; }
  // The language changed: the note follows it at once.
  void Retranslate() { advisor_.Retranslate(); }
  bool InGuide() const { return guide_; }

  // The game's clock ("" when there is none: a race), the pause that covers
  // board and grid, and the window being minimised; both hold the clock.
  std::string ClockText() const;
  bool CanPause() const { return record_.Running() && !networkSession_ && !gameOver_; }
  bool Paused() const { return record_.Held(clsGameClock::kPaused); }
  void TogglePause();
  void HoldClock(clsGameClock::Hold why, bool on);

  // An unfinished single-player game the player has touched, worth keeping
  // for the next start (or, in a network game's lobby, while a race runs).
  bool Unfinished(bool inLobby = false) const {
    return !gameOver_ && (inLobby || !networkSession_) && !guide_ && record_.Timed() && record_.Touched();
  }
  SavedGame Game() const { return {puzzle_, solveStatus_, bookmarks_}; }
  // The record of the game, and its steps for undo and redo.
  KeptGameFacts Facts() const;

  void ApplyStyle(int style);
  // The dark colours for board and grid, or the style's own.
  void SetDarkColours(bool dark);
  bool DarkColours() const { return dark_; }

  // The network race's steps on the board. A received puzzle keeps the
  // symbols as they were.
  std::string MakeRacePuzzle() override;
  std::string PuzzleText() const override { return puzzle_.MakeSendString(); }
  bool ReceiveRacePuzzle(const std::string& text) override;
  void RevealForRace() override { RevealSolution(); }
  void SetGameOver(bool gameOver) override;

  const clsPuzzle& Puzzle() const { return puzzle_; }
  const clsSolveStatus& SolveStatus() const { return solveStatus_; }
  const std::vector<clsSolveStatus>& Bookmarks() const { return bookmarks_; }
  bool GameOver() const { return gameOver_; }
  bool Solved() const { return solved_; }
  int Style() const { return style_; }
  Colour StyleBackColor() const { return styleBackColor_; }

  // Set by the network race.
  bool RaceRunning() const override { return raceRunning_; }
  void SetRaceRunning(bool value) override { raceRunning_ = value; }
  bool LocalFinished() const override { return localFinished_; }
  void SetLocalFinished(bool value) override { localFinished_ = value; }
  bool NetworkSessionExists() const { return networkSession_; }
  // A network game ending brings back the single player's game it put aside.
  void SetNetworkSessionExists(bool value) override;

  // What the window paints.
  const BoardView& Board() const { return board_; }
  const GridView& Grid() const { return grid_; }
  const ButtonStates& Buttons() const { return buttons_; }

  // The text of module frmSymbol for an item, or its English default.
  std::string Text(const char* item, const char* defaultText) const;

  // The very first start offers a newcomer the guided game in the note; the
  // clock waits for the first action while the offer is read.
  void OfferGuide();

 private:
  std::int64_t Now() const;
  void GridEvent(int index, bool isDouble);
  void CheckSolved();
  void Remember(const clsSolveStatus& before);
  void ForgetHistory();
  void Stepped(const clsSolveStatus& grid);
  bool TakeAdvice();
  void Redraw();

  // Drawing: these compute the views; the display paints them.
  void LoadStyle();
  void ApplyBackColor();
  void CopyMatrixSymbols(bool copy);
  void DrawPuzzle();
  void DrawRaster();
  void SetDigitBackColor(BoardCell& cell, int verdict) const;

  clsSettingsStore& settings_;
  clsRandomSource& random_;
  const clsCatalogue& catalogue_;
  clsFileWriter& writer_;
  clsClock& time_;
  clsGameRecord record_;
  clsRaceHooks* raceHooks_ = nullptr;

  // A single player's unfinished game put aside while a race has the board.
  struct ParkedGame {
    SavedGame game;
    KeptGameFacts facts;
  };
  std::optional<ParkedGame> parked_;

  clsPuzzle puzzle_;
  clsSolveStatus solveStatus_;
  std::vector<clsSolveStatus> bookmarks_;
  clsGridHistory history_;
  clsHintAdvisor advisor_;
  int lastClicked_ = -1;  // the cell whose click made the last step, for its double click
  int bookmarkCounter_ = 0;
  bool guide_ = false;
  bool offerGuide_ = false;
  bool solved_ = false;  // solved by the player: the note congratulates
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
