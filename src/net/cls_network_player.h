// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace glyph {

// One player of a network race, known by the address it states for itself.
struct clsNetworkPlayer {
  // Names are cut to this many characters wherever they enter, so that no
  // datagram or list row grows with a name.
  static constexpr std::size_t kLongestName = 64;

  std::string Name;
  std::string IP;
  std::int64_t LastLiving = 0;  // milliseconds since the epoch
  bool IsDead = false;
  bool Started = false;
  bool HasFinished = false;
  std::int32_t TimeNeeded = 0;
  std::int32_t Points = 0;
  std::int16_t Rang = 0;
  bool KnowsOptions = false;

  // The address padded with blanks to 15 characters (cut to 15 if longer),
  // then the name.
  std::string MakeInfoString() const;
  // IP from characters 1-15 with blanks trimmed, Name from character 16 on.
  void FillFromInfo(const std::string& info);
};

// A player's name as it enters the game (typed, stored, announced or
// received): control characters as spaces, at most kLongestName characters.
std::string PlayerName(const std::string& name);

}  // namespace glyph
