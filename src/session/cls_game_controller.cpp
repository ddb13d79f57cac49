// SPDX-License-Identifier: GPL-3.0-or-later
// The board's games: how each comes to the board, saved games, bookmarks,
// clearing and revealing, and the race's puzzles.
#include "session/cls_game_controller.h"

#include <algorithm>
#include <cstdio>

#include "core/cls_clock.h"
#include "core/daily_puzzle.h"
#include "core/solution_rules.h"
#include "i18n/cls_catalogue.h"
#include "storage/cls_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

namespace {

constexpr int kMostBookmarkNumber = 32767;  // the counter stops here rather than overflow

}  // namespace

clsGameController::clsGameController(const SessionServices& services)
    : settings_(services.settings),
      random_(services.random),
      catalogue_(services.catalogue),
      writer_(services.writer),
      time_(services.clock),
      advisor_(services.catalogue) {}

std::string clsGameController::Text(const char* item, const char* defaultText) const {
  return catalogue_.GetTranslation(kModule, item, defaultText);
}

std::int64_t clsGameController::Now() const { return time_.NowMilliseconds(); }

void clsGameController::StartUp() {
  style_ = ReadSetting(settings_, Setting::Style) == "0" ? kStyleClassic : kStyleModern;
  LoadStyle();
  ApplyBackColor();
  CopyMatrixSymbols(true);
}

void clsGameController::StartBoard(BoardStart start) {
  using Kind = BoardStart::Kind;
  // A race takes the board: a single player's game in progress waits aside.
  if (start.kind == Kind::Race && !parked_ && Unfinished(true)) parked_ = ParkedGame{Game(), Facts()};
  SetGameOver(false);
  solved_ = false;
  guide_ = start.kind == Kind::Guide;
  offerGuide_ = false;
  ForgetHistory();
  bookmarks_ = std::move(start.bookmarks);
  bookmarkCounter_ = 0;
  // A loaded game may take a bookmark at once; a new one after its first mark.
  buttons_.addBookmark = start.kind == Kind::Loaded;
  buttons_.openBookmark = !bookmarks_.empty();
  puzzle_ = std::move(start.puzzle);
  puzzle_.SetSolved(false);
  LoadStyle();
  solveStatus_.Assign(start.grid);
  if (start.kept) history_.Restore(start.kept->undo, start.kept->redo);
  if (start.rating) advisor_.ShowDifficulty(puzzle_, solveStatus_, *start.rating, start.dailyDate);
  if (start.kind == Kind::Race) {
    record_.Clear();
  } else if (start.kept) {
    record_.Resume(*start.kept, Now());
  } else {
    record_.Start(start.kind == Kind::New ? start.category : std::string(), Now());
  }
  Redraw();
}

void clsGameController::NewGame() {
  // The player's preferred difficulty; "any" is the generator's own draw.
  const Difficulty wanted = DifficultyFromName(ReadSetting(settings_, Setting::Difficulty)).value_or(Difficulty::Any);
  clsPuzzle next = puzzle_;
  MakeRatedPuzzle(next, random_, wanted);
  const Difficulty rating = wanted == Difficulty::Any ? RatePuzzle(next) : wanted;
  StartBoard({.kind = BoardStart::Kind::New, .puzzle = next, .rating = rating, .category = DifficultyName(rating)});
}

void clsGameController::StartDaily(int year, int month, int day) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
  StartBoard({.kind = BoardStart::Kind::New,
              .puzzle = DailyPuzzle(year, month, day),
              .rating = DailyDifficulty(year, month, day),
              .dailyDate = date,
              .category = "daily"});
}

void clsGameController::PlayPuzzle(const clsPuzzle& puzzle) {
  const Difficulty rating = RatePuzzle(puzzle);
  StartBoard({.kind = BoardStart::Kind::New, .puzzle = puzzle, .rating = rating, .category = DifficultyName(rating)});
}

void clsGameController::StartGuide() {
  clsPuzzle guided = puzzle_;
  MakeRatedPuzzle(guided, random_, Difficulty::Easy);
  const clsSolveStatus start = advisor_.StartGuide(guided);
  StartBoard({.kind = BoardStart::Kind::Guide, .puzzle = guided, .grid = start});
}

LoadOutcome clsGameController::LoadGameFile(const std::string& path) {
  SavedGame game{puzzle_, solveStatus_, {}};
  const LoadOutcome outcome = LoadSavedGame(path, game);
  if (outcome == LoadOutcome::Loaded) {
    StartBoard({.kind = BoardStart::Kind::Loaded,
                .puzzle = std::move(game.puzzle),
                .grid = std::move(game.grid),
                .bookmarks = std::move(game.bookmarks)});
  }
  return outcome;
}

WriteOutcome clsGameController::SaveGameFile(const std::string& path) {
  return SaveSavedGame(path, Game(), random_, writer_);
}

bool clsGameController::HasWorkAtStake() const {
  return !gameOver_ && solveStatus_.MakeStatusString().find_first_not_of('0') != std::string::npos;
}

void clsGameController::ClearGrid() {
  // Clearing a finished game starts it afresh; otherwise clearing is a step.
  const bool afresh = gameOver_;
  SetGameOver(false);
  solved_ = false;
  if (afresh) record_.Start({}, Now());
  const clsSolveStatus before = solveStatus_;
  solveStatus_.Clear();
  afresh ? ForgetHistory() : Remember(before);
  Redraw();
}

void clsGameController::RevealSolution() {
  glyph::RevealSolution(puzzle_, solveStatus_);
  puzzle_.SetSolved(true);
  SetGameOver(true);
  record_.End(false, Now());
  Redraw();
}

bool clsGameController::IsSolutionCorrect() const { return glyph::IsSolutionCorrect(puzzle_, solveStatus_); }

void clsGameController::SetGameOver(bool gameOver) {
  gameOver_ = gameOver;
  buttons_.addBookmark = !gameOver;
  buttons_.solve = !gameOver;
}

KeptGameFacts clsGameController::Facts() const {
  KeptGameFacts facts = record_.Facts(puzzle_.MakeSendString(), Now());
  facts.undo = history_.UndoTexts();
  facts.redo = history_.RedoTexts();
  return facts;
}

void clsGameController::SetNetworkSessionExists(bool value) {
  networkSession_ = value;
  if (value || !parked_) return;
  ParkedGame parked = std::move(*parked_);
  parked_.reset();
  StartBoard({.kind = BoardStart::Kind::Loaded,
              .puzzle = std::move(parked.game.puzzle),
              .grid = std::move(parked.game.grid),
              .bookmarks = std::move(parked.game.bookmarks),
              .kept = std::move(parked.facts)});
}

// ---- Bookmarks ----------------------------------------------------------

std::string clsGameController::NextBookmarkName() {
  bookmarkCounter_ = std::min(bookmarkCounter_ + 1, kMostBookmarkNumber);
  return Text("strBookmark", "Bookmark") + " " + std::to_string(bookmarkCounter_);
}

void clsGameController::AddBookmark(const std::string& name) {
  clsSolveStatus bookmark;
  bookmark.SetName(name);
  bookmark.Assign(solveStatus_);
  bookmarks_.push_back(std::move(bookmark));
  buttons_.addBookmark = false;
  buttons_.openBookmark = true;
}

void clsGameController::OpenBookmark(std::size_t index) {
  if (index >= bookmarks_.size()) return;
  const bool afresh = gameOver_;  // a finished game's grid is no step to go back to
  SetGameOver(false);
  solved_ = false;
  if (afresh) record_.Start({}, Now());
  const clsSolveStatus before = solveStatus_;
  solveStatus_.Assign(bookmarks_[index]);
  afresh ? ForgetHistory() : Remember(before);
  Redraw();
}

void clsGameController::RenameBookmark(std::size_t index, const std::string& name) {
  if (index < bookmarks_.size()) bookmarks_[index].SetName(name);
}

void clsGameController::RemoveBookmark(std::size_t index) {
  if (index < bookmarks_.size()) bookmarks_.erase(bookmarks_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<std::string> clsGameController::BookmarkNames() const {
  std::vector<std::string> names;
  for (const clsSolveStatus& bookmark : bookmarks_) names.push_back(bookmark.Name());
  return names;
}

// ---- The race's puzzles ---------------------------------------------------

std::string clsGameController::MakeRacePuzzle() {
  clsPuzzle race = puzzle_;
  race.MakePuzzle(random_);
  StartBoard({.kind = BoardStart::Kind::Race, .puzzle = race});
  return puzzle_.MakeSendString();
}

bool clsGameController::ReceiveRacePuzzle(const std::string& text) {
  // The puzzle keeps its symbols: every player races on the same numbers
  // with symbols of its own.
  clsPuzzle received = puzzle_;
  if (!received.GetSendString(text) || !IsSoundPuzzle(received)) return false;
  StartBoard({.kind = BoardStart::Kind::Race, .puzzle = received});
  return true;
}

}  // namespace glyph
