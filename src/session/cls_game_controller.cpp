// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/cls_game_controller.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/daily_puzzle.h"
#include "core/text_marks.h"
#include "core/cls_file_chooser.h"
#include "core/solution_rules.h"
#include "i18n/cls_catalogue.h"
#include "session/bookmark_dialogs.h"
#include "session/kept_game.h"
#include "storage/cls_settings_store.h"
#include "storage/file_association.h"
#include "storage/saved_game.h"
#include "storage/settings_table.h"

namespace glyph {

namespace {

constexpr char kCommandLineEnd[] = "#0#";
constexpr int kMostBookmarkNumber = 32767;  // the counter stops here rather than overflow

}  // namespace

clsGameController::clsGameController(const SessionServices& services)
    : asker_(services.asker),
      settings_(services.settings),
      random_(services.random),
      catalogue_(services.catalogue),
      files_(services.files),
      bookmarkDialogs_(services.bookmarkDialogs),
      writer_(services.writer),
      time_(services.clock),
      dataFolder_(services.dataFolder),
      advisor_(services.catalogue) {}

std::string clsGameController::Text(const char* item, const char* defaultText) const {
  return catalogue_.GetTranslation(kModule, item, defaultText);
}

bool clsGameController::Ask(const char* textKey, const char* text, const char* titleKey, const char* title,
                            bool yesPreselected) {
  return asker_.AskYesNo(Text(textKey, text), Text(titleKey, title), MessageIcon::Question, yesPreselected);
}

void clsGameController::Tell(const char* textKey, const char* text, const char* titleKey, const char* title) {
  asker_.Tell(Text(textKey, text), Text(titleKey, title), MessageIcon::Exclamation);
}

std::string clsGameController::CommandLineFile(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  const std::size_t end = line.find(kCommandLineEnd);
  return end == std::string::npos ? line : line.substr(0, end);
}

void clsGameController::StartUp(const std::vector<std::string>& arguments) {
  style_ = ReadSetting(settings_, Setting::Style) == "0" ? kStyleClassic : kStyleModern;
  LoadStyle();
  ApplyBackColor();
  CopyMatrixSymbols(true);
  buttons_.addBookmark = false;
  buttons_.openBookmark = false;
  bookmarkCounter_ = 0;

  const std::string file = CommandLineFile(arguments);
  std::error_code error;
  // A file that is not a saved game starts a new game (after saying so)
  // rather than leaving an empty puzzle on the board.
  // An unfinished game comes back where the player left it, unless a file
  // is given.
  const bool resumed = file.empty() && ResumeKeptGame();
  if (!resumed && (file.empty() || !std::filesystem::exists(file, error) || !LoadGameFile(file))) NewGame();
  // The very first start offers a newcomer the guided game, once.
  offerGuide_ = file.empty() && !resumed && ReadSetting(settings_, Setting::GuideOffered) != "Y";
  if (offerGuide_) WriteSetting(settings_, Setting::GuideOffered, "Y");
}

GridNote clsGameController::Note() const {
  if (guide_) return advisor_.Guide(puzzle_, solveStatus_);
  GridNote note = advisor_.NoteFor(puzzle_, solveStatus_);
  note.offerGuide = offerGuide_ && !note.text.empty();
  return note;
}

// A game with marks on its grid is left only after the new-game question.
bool clsGameController::MayLeaveGame() {
  const bool marked = solveStatus_.MakeStatusString().find_first_not_of('0') != std::string::npos;
  return !marked || gameOver_ ||
         Ask("strMsgNewGame", "Do you really want to start a new game?", "strTitNewGame", "New game", true);
}

void clsGameController::ClickDaily(int year, int month, int day) {
  if (!MayLeaveGame()) return;
  StartPuzzle(DailyPuzzle(year, month, day), DailyDifficulty(year, month, day), "daily");
}

void clsGameController::PlayPuzzle(const clsPuzzle& puzzle) {
  if (!MayLeaveGame()) return;
  const Difficulty rating = RatePuzzle(puzzle);
  StartPuzzle(puzzle, rating, DifficultyName(rating));
}

void clsGameController::StartPuzzle(const clsPuzzle& puzzle, Difficulty rating, std::string category) {
  SetGameOver(false);
  guide_ = false;
  offerGuide_ = false;
  ForgetHistory();
  ResetBookmarks();
  puzzle_ = puzzle;
  puzzle_.SetSolved(false);
  LoadStyle();
  solveStatus_.Clear();
  advisor_.ShowDifficulty(puzzle_, solveStatus_, rating);
  StartRecord(std::move(category));
  DrawRaster();
  DrawPuzzle();
}

void clsGameController::StartGuide() {
  if (!MayLeaveGame()) return;
  SetGameOver(false);
  ForgetHistory();
  ResetBookmarks();
  MakeRatedPuzzle(puzzle_, random_, Difficulty::Easy);
  LoadStyle();
  solveStatus_.Clear();
  DrawRaster();
  DrawPuzzle();
  offerGuide_ = false;
  guide_ = true;
  StartRecord({});
}

bool clsGameController::LoadGameFile(const std::string& path) {
  SavedGame game{puzzle_, solveStatus_, {}};
  switch (LoadSavedGame(path, game)) {
    case LoadOutcome::Loaded: break;
    case LoadOutcome::NotASavedGame:
      Tell("strMsgNotSavedGame", "This file is not a saved Glyphmatic game.", "strTitLoadGame", "Load game");
      return false;
    case LoadOutcome::Unreadable:
      Tell("strMsgLoadFailed", "The file could not be read.", "strTitLoadGame", "Load game");
      return false;
  }
  StartRecord({});
  TakeSavedGame(std::move(game));
  return true;
}

// A saved game on the board as it was saved, with a history of its own.
void clsGameController::TakeSavedGame(SavedGame game) {
  puzzle_ = game.puzzle;
  solveStatus_.Assign(game.grid);
  guide_ = false;
  offerGuide_ = false;
  ForgetHistory();
  bookmarks_ = std::move(game.bookmarks);
  buttons_.openBookmark = !bookmarks_.empty();
  buttons_.addBookmark = true;
  SetGameOver(false);
  DrawRaster();
  LoadStyle();
  DrawPuzzle();
}

void clsGameController::ClickLoad() {
  if (!Ask("strMsgLoadGame", "Do you really want to load a saved game?", "strTitLoadGame", "Load game", false)) {
    return;
  }
  const std::string path = files_.ChooseFileToOpen(kSavedGameFilter);
  std::error_code error;
  if (path.empty() || !std::filesystem::exists(path, error)) return;
  LoadGameFile(path);
}

void clsGameController::ClickSave() {
  const std::string path = files_.ChooseFileToSave(kSavedGameFilter, kSaveGameExtension);
  if (path.empty()) return;
  switch (SaveSavedGame(path, SavedGame{puzzle_, solveStatus_, bookmarks_}, random_, writer_)) {
    case WriteOutcome::Written: break;
    case WriteOutcome::ReadOnly:
      Tell("strMsgSaveReadOnly", "The file is read-only. The game was not saved.", "strTitSaveGame", "Save game");
      break;
    case WriteOutcome::NotAFile:
      Tell("strMsgSaveNotAFile", "The chosen name is not a file (a folder or a device). The game was not saved.",
           "strTitSaveGame", "Save game");
      break;
    case WriteOutcome::Failed:
      Tell("strMsgSaveFailed", "The game could not be saved. The file is unchanged.", "strTitSaveGame", "Save game");
      break;
  }
}

void clsGameController::ClickAddBookmark() {
  bookmarkCounter_ = std::min(bookmarkCounter_ + 1, kMostBookmarkNumber);
  const std::string defaultName = Text("strBookmark", "Bookmark") + " " + std::to_string(bookmarkCounter_);
  const std::optional<std::string> name = bookmarkDialogs_.EditName(defaultName);
  if (!name) return;
  clsSolveStatus bookmark;
  bookmark.SetName(*name);
  bookmark.Assign(solveStatus_);
  bookmarks_.push_back(std::move(bookmark));
  buttons_.addBookmark = false;
  buttons_.openBookmark = true;
}

void clsGameController::ClickOpenBookmark() {
  const std::optional<std::size_t> chosen = bookmarkDialogs_.ChooseBookmark(bookmarks_);
  if (!chosen || *chosen >= bookmarks_.size()) return;
  const bool afresh = gameOver_;  // a finished game's grid is no step to go back to
  SetGameOver(false);
  if (afresh) StartRecord({});
  const clsSolveStatus before = solveStatus_;
  solveStatus_.Assign(bookmarks_[*chosen]);
  afresh ? ForgetHistory() : Remember(before);
  DrawRaster();
  DrawPuzzle();
}

// ---- Undo and redo -----------------------------------------------------
// Every change of the grid by the player is a step; the steps belong to one
// game and end with it.

void clsGameController::Remember(const clsSolveStatus& before) {
  lastClicked_ = -1;
  history_.Remember(before, solveStatus_);
}

void clsGameController::ForgetHistory() {
  lastClicked_ = -1;
  history_.Forget();
}

bool clsGameController::CanUndo() const { return !gameOver_ && !localFinished_ && history_.CanUndo(); }
bool clsGameController::CanRedo() const { return !gameOver_ && !localFinished_ && history_.CanRedo(); }

void clsGameController::Undo() {
  if (CanUndo()) Stepped(history_.Undo(solveStatus_));
}

void clsGameController::Redo() {
  if (CanRedo()) Stepped(history_.Redo(solveStatus_));
}

void clsGameController::Stepped(const clsSolveStatus& grid) {
  lastClicked_ = -1;
  solveStatus_.Assign(grid);
  DrawRaster();
  DrawPuzzle();
  CheckSolved();
  buttons_.addBookmark = true;
}

void clsGameController::ClickHint() {
  if (!CanAdvise()) return;
  offerGuide_ = false;
  record_.helped = true;
  const std::optional<std::vector<Fact>> facts = advisor_.Hint(puzzle_, solveStatus_);
  if (!facts) return;
  const clsSolveStatus before = solveStatus_;
  ApplyFacts(solveStatus_, *facts);
  Remember(before);
  DrawRaster();
  DrawPuzzle();
  CheckSolved();
  buttons_.addBookmark = true;
}

void clsGameController::ClickCheck() {
  offerGuide_ = false;
  if (!CanAdvise()) return;
  record_.helped = true;
  advisor_.Check(puzzle_, solveStatus_);
}

void clsGameController::SetGameOver(bool gameOver) {
  gameOver_ = gameOver;
  buttons_.addBookmark = !gameOver;
  buttons_.solve = !gameOver;
}

void clsGameController::NewGame() {
  guide_ = false;
  offerGuide_ = false;
  ForgetHistory();
  ResetBookmarks();
  // The player's preferred difficulty; "any" is the generator's own draw.
  const Difficulty wanted = DifficultyFromName(ReadSetting(settings_, Setting::Difficulty)).value_or(Difficulty::Any);
  MakeRatedPuzzle(puzzle_, random_, wanted);
  LoadStyle();
  solveStatus_.Clear();
  const Difficulty rating = wanted == Difficulty::Any ? RatePuzzle(puzzle_) : wanted;
  advisor_.ShowDifficulty(puzzle_, solveStatus_, rating);
  StartRecord(DifficultyName(rating));
  DrawRaster();
  DrawPuzzle();
}

void clsGameController::ResetBookmarks() {
  bookmarks_.clear();
  bookmarkCounter_ = 0;
  buttons_.addBookmark = false;
  buttons_.openBookmark = false;
}

void clsGameController::ClickNew() {
  if (!Ask("strMsgNewGame", "Do you really want to start a new game?", "strTitNewGame", "New game", true)) return;
  SetGameOver(false);
  NewGame();
}

void clsGameController::ClickClear() {
  if (!Ask("strMsgClear", "Do you really want to clear the solution grid?", "strTitClear", "Clear grid", false)) {
    return;
  }
  // Clearing a finished game starts it afresh; otherwise clearing is a step.
  const bool afresh = gameOver_;
  SetGameOver(false);
  if (afresh) StartRecord({});
  const clsSolveStatus before = solveStatus_;
  solveStatus_.Clear();
  afresh ? ForgetHistory() : Remember(before);
  DrawRaster();
  DrawPuzzle();
}

void clsGameController::ClickSolve() { ShowSolution(true); }

bool clsGameController::ClickClose() {
  if (!Ask("strMsgCloseGame", "Do you really want to quit the game?", "strTitCloseGame", "Quit game", false)) {
    return false;
  }
  return RequestClose();
}

bool clsGameController::RequestClose() {
  if (!networkSession_) return true;
  if (raceHooks_ != nullptr) raceHooks_->CloseRequested();
  return false;
}

void clsGameController::ShowSolution(bool ask) {
  if (ask && !Ask("strMsgSolveGame", "Do you really want to see the solution of this game?", "strTitSolveGame",
                  "Solve game", false)) {
    return;
  }
  RevealSolution(puzzle_, solveStatus_);
  puzzle_.SetSolved(true);
  SetGameOver(true);
  EndRecord(false);
  DrawRaster();
  DrawPuzzle();
}

bool clsGameController::IsSolutionCorrect() const { return glyph::IsSolutionCorrect(puzzle_, solveStatus_); }

void clsGameController::CheckSolved() {
  if (!IsSolutionCorrect() || puzzle_.Solved()) return;  // a game counts as solved once
  puzzle_.SetSolved(true);
  SetGameOver(true);
  EndRecord(true);
  if (raceRunning_) {
    if (raceHooks_ != nullptr) raceHooks_->LocalSolve();
    return;
  }
  if (Ask("strMsgSolved", "Congratulations! You have solved the puzzle! Do you want to start a new game?",
          "strTitSolved", "Puzzle solved", true)) {
    SetGameOver(false);
    NewGame();
  }
}

void clsGameController::MarkCell(int s, int d, bool isDouble) { glyph::MarkCell(solveStatus_, s, d, isDouble); }

void clsGameController::ClickCell(int index) { GridEvent(index, false); }

void clsGameController::DoubleClickCell(int index) { GridEvent(index, true); }

void clsGameController::DeclareCell(int index) {
  ClickCell(index);
  DoubleClickCell(index);
}

void clsGameController::GridEvent(int index, bool isDouble) {
  if (gameOver_ || localFinished_ || index < 0 || index > 99) return;
  offerGuide_ = false;
  // A double click arrives after its own click: both make one step.
  const bool sameStep = isDouble && lastClicked_ == index && history_.CanUndo();
  const clsSolveStatus before = sameStep ? history_.TakeLast() : solveStatus_;
  MarkCell(index / 10, index % 10, isDouble);
  Remember(before);
  const clsSolveStatus* last = history_.LastBefore();
  lastClicked_ = isDouble || last == nullptr || !(*last == before) ? -1 : index;
  // Redrawn, checked and ready for a bookmark even when the mark changed nothing.
  DrawRaster();
  DrawPuzzle();
  CheckSolved();
  buttons_.addBookmark = true;
}

void clsGameController::ApplyStyle(int style) {
  style_ = style == kStyleClassic ? kStyleClassic : kStyleModern;
  LoadStyle();
  ApplyBackColor();
  CopyMatrixSymbols(true);
  DrawPuzzle();
}

void clsGameController::SetDarkColours(bool dark) {
  dark_ = dark;
  ApplyStyle(style_);
}

std::string clsGameController::MakeRacePuzzle() {
  clock_.Clear();
  record_ = {};
  ForgetHistory();
  ResetBookmarks();
  puzzle_.MakePuzzle(random_);
  return puzzle_.MakeSendString();
}

void clsGameController::ClearGridForRace() {
  clock_.Clear();
  record_ = {};
  ForgetHistory();
  SetGameOver(false);  // a solution revealed in the lobby must not lock the race's grid
  solveStatus_.Clear();
  DrawRaster();
  DrawPuzzle();
}

bool clsGameController::ReceiveRacePuzzle(const std::string& text) {
  // The puzzle keeps its symbols: every player races on the same numbers
  // with symbols of its own.
  clsPuzzle received = puzzle_;
  if (!received.GetSendString(text) || !IsSoundPuzzle(received)) return false;
  puzzle_ = received;
  clock_.Clear();
  record_ = {};
  ForgetHistory();
  SetGameOver(false);
  LoadStyle();
  ResetBookmarks();
  solveStatus_.Clear();
  DrawRaster();
  DrawPuzzle();
  return true;
}

}  // namespace glyph

namespace glyph {

// ---- The clock, the record of the game and the kept game ------------------

std::int64_t clsGameController::Now() const { return time_.NowMilliseconds(); }

void clsGameController::StartRecord(std::string category) {
  if (!record_.category.empty() && !gameOver_) EndRecord(false);  // left unfinished
  record_ = {std::move(category), false};
  clock_.Restart(Now());
  clock_.Show();
  if (!record_.category.empty()) recordStarted_(record_.category);
}

void clsGameController::EndRecord(bool solved) {
  clock_.Stop(Now());
  if (record_.category.empty()) return;
  const std::int64_t seconds = clock_.ElapsedMs(Now()) / 1000;
  recordEnded_(record_.category, solved, seconds, !record_.helped);
  record_.category.clear();
}

std::string clsGameController::ClockText() const {
  return clock_.Shown() ? glyph::ClockText(clock_.ElapsedMs(Now())) : std::string();
}

void clsGameController::TogglePause() {
  if (Paused()) {
    clock_.SetHold(clsGameClock::kPaused, false, Now());
  } else if (CanPause()) {
    clock_.SetHold(clsGameClock::kPaused, true, Now());
  }
}

void clsGameController::SetMinimised(bool minimised) { clock_.SetHold(clsGameClock::kMinimised, minimised, Now()); }

bool clsGameController::ResumeKeptGame() {
  if (dataFolder_.empty() || ReadSetting(settings_, Setting::ContinueGame) != "Y") return false;
  SavedGame game{puzzle_, solveStatus_, {}};
  KeptGameFacts facts;
  const KeptLoad kept = LoadKeptGame(dataFolder_, game, facts);
  if (kept.outcome == KeptOutcome::Damaged) {
    asker_.Tell(FillMark(Text("strMsgKeptDamaged",
                                        "The unfinished game could not be read. It was moved aside to %1, and a new "
                                        "game starts."),
                         "%1", kept.movedTo.string()),
                Text("strTitKeptGame", "Unfinished game"), MessageIcon::Exclamation);
  }
  if (kept.outcome != KeptOutcome::Loaded) return false;
  TakeSavedGame(std::move(game));
  // The same game goes on: its record and its time, not a new start.
  record_ = {facts.category, facts.helped};
  clock_.Restart(Now(), facts.elapsedMs);
  clock_.Show();
  return true;
}

void clsGameController::KeepOrForget() {
  if (dataFolder_.empty()) return;
  const bool unfinished = !gameOver_ && !networkSession_ && !guide_ && clock_.Shown() &&
                          ReadSetting(settings_, Setting::ContinueGame) == "Y";
  if (!unfinished) {
    ForgetKeptGame(dataFolder_);
    return;
  }
  const KeptGameFacts facts{puzzle_.MakeSendString(), clock_.ElapsedMs(Now()), record_.category, record_.helped};
  KeepGame(dataFolder_, SavedGame{puzzle_, solveStatus_, bookmarks_}, facts, random_, writer_);
}

}  // namespace glyph
