// SPDX-License-Identifier: GPL-3.0-or-later
// What the game remembers between starts: the player's statistics, the
// unfinished game, and the colours.
#include "core/cls_desktop.h"
#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"
#include "session/cls_game_session.h"
#include "storage/kept_game.h"
#include "storage/settings_table.h"

namespace glyph {

void clsGameSession::LoadStatistics() {
  if (services_.dataFolder.empty()) return;
  LoadedStatistics loaded = glyph::LoadStatistics(services_.dataFolder);
  statistics_ = std::move(loaded.statistics);
  statisticsWritable_ = loaded.outcome != StatisticsLoad::LeftInPlace;
  if (loaded.outcome == StatisticsLoad::Loaded) return;
  const std::string text =
      loaded.outcome == StatisticsLoad::MovedAside
          ? FillMark(Text("strMsgStatsMoved",
                          "The statistics file was damaged. It was moved aside to %1, and new statistics begin."),
                     "%1", loaded.movedTo.string())
          : Text("strMsgStatsLeft",
                 "The statistics file could not be read, and it is left as it is. This session's statistics will "
                 "not be saved.");
  prompts_.Tell(text, Text("strTitStatistics", "Statistics"), MessageIcon::Exclamation);
}

// This copy's changes go to the file as it is now: another copy of the game
// running at the same time keeps its changes too. Changes that could not be
// written wait for the next save.
void clsGameSession::SaveStatistics() {
  if (services_.dataFolder.empty() || !statisticsWritable_) return;
  const StatisticsUpdate update = UpdateStatistics(services_.dataFolder, unsaved_, services_.writer);
  if (update.loaded.outcome == StatisticsLoad::MovedAside) {
    prompts_.Tell(FillMark(Text("strMsgStatsMoved",
                                "The statistics file was damaged. It was moved aside to %1, and new statistics begin."),
                           "%1", update.loaded.movedTo.string()),
                  Text("strTitStatistics", "Statistics"), MessageIcon::Exclamation);
  }
  if (update.written != WriteOutcome::Written) return TellDataNotKept(update.failure);
  statistics_ = update.loaded.statistics;
  unsaved_.clear();
}

// Once a session: a data folder that cannot be written keeps neither the
// statistics nor an unfinished game, and the player should know.
void clsGameSession::TellDataNotKept(const std::string& reason) {
  if (dataWarned_) return;
  dataWarned_ = true;
  prompts_.Tell(FillMark(FillMark(Text("strMsgDataNotKept",
                                       "The game cannot write to its folder %1 (%2). Your statistics and an "
                                       "unfinished game will not be kept this session."),
                                  "%1", services_.dataFolder),
                         "%2", reason.empty() ? Text("strUnknownReason", "reason unknown") : reason),
                Text("strTitStatistics", "Statistics"), MessageIcon::Exclamation);
}

void clsGameSession::RecordStarted(const std::string& category) {
  if (const auto counted = StatsCategoryFromName(category)) Record({StatsChange::Kind::Start, *counted});
  newBest_.reset();
  SaveStatistics();
}

void clsGameSession::RecordEnded(const std::string& category, bool solved, std::int64_t seconds, bool clean) {
  const auto counted = StatsCategoryFromName(category);
  if (!counted) return;
  const int time = static_cast<int>(std::min<std::int64_t>(seconds, kLargestStatsNumber));
  if (Record({solved ? StatsChange::Kind::Solve : StatsChange::Kind::GiveUp, *counted, time, clean})) {
    newBest_ = counted;
  }
  SaveStatistics();
}

// The change counts at once in this copy's own view, and waits to be saved.
bool clsGameSession::Record(const StatsChange& change) {
  unsaved_.push_back(change);
  return ApplyChange(statistics_, change);
}

// The unfinished game of the last session comes back where the player left
// it, unless the player chose otherwise. True when it is on the board.
bool clsGameSession::TakeUpKeptGame() {
  if (services_.dataFolder.empty() || ReadSetting(services_.settings, Setting::ContinueGame) != "Y") return false;
  SavedGame game{game_.Puzzle(), {}, {}};
  KeptGameFacts facts;
  const KeptLoad kept = LoadKeptGame(services_.dataFolder, game, facts);
  switch (kept.outcome) {
    case KeptOutcome::None: return false;
    case KeptOutcome::Loaded:
      game_.StartBoard({.kind = BoardStart::Kind::Loaded,
                        .puzzle = std::move(game.puzzle),
                        .grid = std::move(game.grid),
                        .bookmarks = std::move(game.bookmarks),
                        .kept = facts});
      return true;
    case KeptOutcome::MovedAside:
      prompts_.Tell(FillMark(Text("strMsgKeptDamaged",
                                  "The unfinished game could not be read. It was moved aside to %1, and a new "
                                  "game starts."),
                             "%1", kept.movedTo.string()),
                    Text("strTitKeptGame", "Unfinished game"), MessageIcon::Exclamation);
      return false;
    case KeptOutcome::LeftInPlace:
      keptWritable_ = false;
      prompts_.Tell(Text("strMsgKeptLeft",
                         "The unfinished game could not be read, and it is left as it is. A new game starts, and "
                         "this session's game will not be kept."),
                    Text("strTitKeptGame", "Unfinished game"), MessageIcon::Exclamation);
      return false;
  }
  return false;
}

// On quitting: an unfinished single-player game is kept in the player's
// data folder for the next start, and anything else forgets a kept game.
bool clsGameSession::KeepOrForget() {
  if (services_.dataFolder.empty() || !keptWritable_) return true;
  if (!game_.Unfinished() || ReadSetting(services_.settings, Setting::ContinueGame) != "Y") {
    ForgetKeptGame(services_.dataFolder);
    return true;
  }
  return KeepGame(services_.dataFolder, game_.Game(), game_.Facts(), services_.random, services_.writer) ==
         WriteOutcome::Written;
}

// "dark", or "desktop" on a dark desktop: the dark colours.
void clsGameSession::ApplyColours() {
  const std::string colours = ReadSetting(services_.settings, Setting::Colours);
  game_.SetDarkColours(colours == "dark" || (colours == "desktop" && services_.desktop.PrefersDark()));
}

}  // namespace glyph
