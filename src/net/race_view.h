// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "net/cls_network_game.h"

namespace glyph {

// An untouched host offers half an hour and a penalty of 100 points.
inline constexpr int kDefaultRaceSeconds = 1800;
inline constexpr char kDefaultPenalty[] = "100";

// Icons of the lobby list (numbered from 1).
enum LobbyIcon { kLobbyIconAlive = 1, kLobbyIconDead = 2, kLobbyIconNoOptions = 3 };
// Icons of the race list (numbered from 1).
enum RaceIcon {
  kRaceIconRacing = 1,
  kRaceIconSolved = 2,
  kRaceIconGaveUp = 3,
  kRaceIconDead = 4,
  kRaceIconNotStarted = 5
};

// Help contexts of the main window.
constexpr int kHelpContextMainWindow = 1000;  // before the first network game
constexpr int kHelpContextSinglePlayer = 1001;
constexpr int kHelpContextNetwork = 1004;

struct PlayerRow {
  std::string key;   // "IP" + address
  std::string text;  // the whole row as one text: the name, and the points once finished
  int icon = 1;
  std::string name = "";
  std::string points = "";  // once finished
  bool operator==(const PlayerRow&) const = default;
};

struct ResultRow {
  int rank = 0;
  std::string name;
  std::string ip;
  int points = 0;
  int timeNeeded = 0;
  bool operator==(const ResultRow&) const = default;
};

// The chat: the lines kept, shared by every view published (a view is copied
// after each event, the lines are not), and how many lines were ever added,
// so that a painter knows which lines are new.
struct ChatView {
  std::shared_ptr<const std::deque<std::string>> lines = std::make_shared<const std::deque<std::string>>();
  std::uint64_t added = 0;
  std::vector<std::string> Lines() const { return {lines->begin(), lines->end()}; }
  // The lines added since `shown` lines had been added, or every line kept
  // when those are no longer all here (or a new session began).
  std::vector<std::string> Since(std::uint64_t shown) const {
    const std::uint64_t fresh = added >= shown ? added - shown : added;
    const std::size_t skip = fresh >= lines->size() ? 0 : lines->size() - static_cast<std::size_t>(fresh);
    return {lines->begin() + static_cast<std::ptrdiff_t>(skip), lines->end()};
  }
};

// Everything the race shows: the connection state, the three panels, the
// player lists, the chat, the clocks, the results and which buttons can be
// pressed. The race controller keeps it; the window paints it.
struct RaceView {
  ConnectionStatus status = ConnectionStatus::NotConnected;
  bool lobbyShown = false;
  bool raceShown = false;
  bool resultsShown = false;
  std::vector<PlayerRow> lobbyPlayers;
  std::vector<PlayerRow> racePlayers;
  ChatView chat;
  std::string timeRunning = "0:00";
  std::string timeRemaining = "0:00";
  std::string points;
  std::vector<ResultRow> results;
  bool optionsEditable = false;
  bool kickAndStartAvailable = false;
  bool closeAvailable = true;
  bool giveUpAvailable = false;
  bool exitAvailable = false;
  // Options to show in the fields; the number goes up each time they change.
  int shownTime = kDefaultRaceSeconds;
  std::string shownPenalty = kDefaultPenalty;
  int shownOptionsVersion = 0;
  int helpContext = kHelpContextMainWindow;
};

}  // namespace glyph
