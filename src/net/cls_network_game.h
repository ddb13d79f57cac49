// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "net/cls_network_player.h"

namespace glyph {

// Where a session's connection stands; the values are those the panels
// and glyphtool's log show.
enum class ConnectionStatus : std::int32_t {
  NotConnected = 0,  // the session was just made
  Waiting = 1,       // a host, waiting for players
  Connecting = 2,    // a client that announced itself
  Connected = 3,     // a client the host accepted
};

// One network session: who hosts, the connection state, every known player
// (the local one included), the chat counter and filter, and the options.
class clsNetworkGame {
 public:
  static constexpr std::size_t kRememberedHeaders = 10;

  // Appends the player unless one with its address is listed (then 1).
  // The host's record knows the options; LastLiving becomes now.
  std::int16_t AddPlayer(clsNetworkPlayer player, std::int64_t nowMs);

  // The option string: time and penalty, five places each.
  std::string MakeOptString() const;
  void GetOptFromString(const std::string& options);

  // The chat envelope: two digits of the header's length, the header
  // (counter ";" local address), the line. The counter goes up first.
  std::string MakeMsg(const std::string& line);
  // The chat line, or "" when the header was among the last ten accepted.
  std::string GotMsg(const std::string& envelope);
  // The sender address in the header, "" when it holds no ";".
  static std::string GetMsgIP(const std::string& envelope);

  std::string GameKey() const;

  clsNetworkPlayer* FindPlayer(const std::string& ip);
  clsNetworkPlayer* LocalPlayer() { return FindPlayer(LocalIP); }
  // Removes the first player with that address; false when there is none.
  bool RemovePlayer(const std::string& ip);

  bool Host = false;
  ConnectionStatus Status = ConnectionStatus::NotConnected;
  std::string HostIp;
  std::vector<clsNetworkPlayer> CollClients;
  std::string LocalIP;
  std::string LocalName;
  std::int32_t Time = 0;
  std::int32_t Penalty = 0;

 private:
  std::int32_t messageCounter_ = 0;
  std::deque<std::string> recentHeaders_;
};

}  // namespace glyph
