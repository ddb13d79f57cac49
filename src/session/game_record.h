// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "session/game_clock.h"
#include "storage/kept_game.h"

namespace glyph {

// How the game on the board is timed and counted: a new, daily or code game
// counts in its category of the statistics from the player's first mark or
// hint (a puzzle only looked at neither counts nor ends a run); a loaded,
// guided or race game does not count. The clock runs from the start (on a
// newcomer's very first start, from the first action), stands while paused,
// minimised or answering, and stops when the game ends.
class clsGameRecord {
 public:
  // Who hears of a counted game's start (its category) and end (category,
  // solved or given up, seconds played, solved without Hint or Check).
  using Started = std::function<void(const std::string&)>;
  using Ended = std::function<void(const std::string&, bool, std::int64_t, bool)>;
  void SetHooks(Started started, Ended ended) {
    started_ = std::move(started);
    ended_ = std::move(ended);
  }

  // A game begins, to be counted in category ("" for none) once touched. A
  // counted game still open ends first, given up. With clockWaits the clock
  // starts at the first action.
  void Start(std::string category, std::int64_t now, bool clockWaits = false);
  // The player's first mark or hint makes the game count.
  void Touch(std::int64_t now);
  bool Touched() const { return touched_; }
  // A kept game goes on: its record and its time, not a new start.
  void Resume(const KeptGameFacts& facts, std::int64_t now);
  // A race: no clock, nothing counted.
  void Clear();
  // The game ended, solved or not: its time stands.
  void End(bool solved, std::int64_t now);
  // Hint or Check was pressed: a solve is no longer clean.
  void SetHelped() { helped_ = true; }

  // "m:ss" of the time played, or "" when no game is timed.
  std::string ClockText(std::int64_t now) const;
  bool Timed() const { return clock_.Shown(); }
  bool Running() const { return clock_.Running(); }
  bool Held(clsGameClock::Hold why) const { return clock_.Held(why); }
  void SetHold(clsGameClock::Hold why, bool on, std::int64_t now) { clock_.SetHold(why, on, now); }

  // What a kept game needs to go on as it was.
  KeptGameFacts Facts(const std::string& puzzleText, std::int64_t now) const {
    return {puzzleText, clock_.ElapsedMs(now), category_, helped_};
  }

 private:
  clsGameClock clock_;
  std::string category_;  // empty: the game does not count, or has been counted
  bool touched_ = false;  // counted as started
  bool helped_ = false;
  Started started_ = [](const std::string&) {};
  Ended ended_ = [](const std::string&, bool, std::int64_t, bool) {};
};

}  // namespace glyph
