// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/cls_network_game.h"
#include "net/race_view.h"

namespace glyph {

// The rules of the race that depend on nothing but its players: who is
// ready to start, the ranking and the rows of the player lists.

// The other players as the Start button counts them.
struct Readiness {
  int others = 0;        // every player but the local one
  int ready = 0;         // alive and knowing the options
  int notConnected = 0;  // dead
  int notKnowing = 0;    // not knowing the options
  bool AllReady() const { return ready == others; }
};
Readiness CountReadiness(const clsNetworkGame& session);

// Highest points first; equal points keep the list's order and share a
// rank. Writes each player's rank.
std::vector<ResultRow> RankPlayers(std::vector<clsNetworkPlayer>& players);

// The rows of the lobby list (running false) or of the race list.
std::vector<PlayerRow> PlayerRows(const clsNetworkGame& session, bool running, const std::string& pointsWord);

}  // namespace glyph
