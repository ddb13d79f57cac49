// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

namespace glyph {

// The time a single-player game has been played: it runs from the start of
// the game, stands while the player pauses, the window is minimised or a
// question or dialog waits for the player, and
// stops for good when the game ends. Readings come from the session's clock,
// so tests move time by hand; a clock set back never makes time negative.
class clsGameClock {
 public:
  enum Hold : unsigned { kPaused = 1, kMinimised = 2, kAnswering = 4, kFirstAction = 8 };

  // A new game, or a kept one going on from the time it had.
  void Restart(std::int64_t now, std::int64_t elapsedMs = 0) {
    banked_ = std::max<std::int64_t>(elapsedMs, 0);
    since_ = now;
    stopped_ = false;
  }
  // The game is over: its time stands as it is.
  void Stop(std::int64_t now) {
    Bank(now);
    stopped_ = true;
  }
  // No game to time (a race): nothing to show.
  void Clear() {
    banked_ = 0;
    stopped_ = true;
    shown_ = false;
  }
  void SetHold(Hold why, bool on, std::int64_t now) {
    Bank(now);
    holds_ = on ? (holds_ | why) : (holds_ & ~static_cast<unsigned>(why));
  }
  bool Held(Hold why) const { return (holds_ & why) != 0; }
  bool Running() const { return !stopped_ && holds_ == 0; }
  bool Shown() const { return shown_; }
  void Show() { shown_ = true; }

  std::int64_t ElapsedMs(std::int64_t now) const {
    return banked_ + (Running() ? std::max<std::int64_t>(now - since_, 0) : 0);
  }

 private:
  void Bank(std::int64_t now) {
    banked_ = ElapsedMs(now);
    since_ = now;
  }

  std::int64_t banked_ = 0;
  std::int64_t since_ = 0;
  unsigned holds_ = 0;
  bool stopped_ = true;
  bool shown_ = false;
};

}  // namespace glyph
