// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/cls_network_game.h"

#include <algorithm>
#include <cstdio>

#include "net/net_protocol.h"

namespace glyph {

namespace {

// The header of an envelope, or nothing when the envelope is too short to
// hold the header its length digits announce.
std::string HeaderOf(const std::string& envelope) {
  const std::size_t length = static_cast<std::size_t>(FieldValue(envelope.substr(0, 2)));
  return envelope.size() >= 2 ? envelope.substr(2, length) : std::string();
}

}  // namespace

std::int16_t clsNetworkGame::AddPlayer(clsNetworkPlayer player, std::int64_t nowMs) {
  if (FindPlayer(player.IP) != nullptr) return 1;
  if (HostIp == player.IP) player.KnowsOptions = true;
  player.LastLiving = nowMs;
  CollClients.push_back(std::move(player));
  return 0;
}

std::string clsNetworkGame::MakeOptString() const { return FiveDigits(Time) + FiveDigits(Penalty); }

void clsNetworkGame::GetOptFromString(const std::string& options) {
  Time = FieldValue(options.substr(0, 5));
  Penalty = options.size() > 5 ? FieldValue(options.substr(5, 5)) : 0;
}

std::string clsNetworkGame::MakeMsg(const std::string& line) {
  ++messageCounter_;
  const std::string header = std::to_string(messageCounter_) + ";" + LocalIP;
  char length[8];
  std::snprintf(length, sizeof length, "%02d", static_cast<int>(std::min<std::size_t>(header.size(), 99)));
  return length + header.substr(0, 99) + line;
}

std::string clsNetworkGame::GotMsg(const std::string& envelope) {
  const std::string header = HeaderOf(envelope);
  if (std::find(recentHeaders_.begin(), recentHeaders_.end(), header) != recentHeaders_.end()) return {};
  recentHeaders_.push_back(header);
  if (recentHeaders_.size() > kRememberedHeaders) recentHeaders_.pop_front();
  const std::size_t textAt = 2 + header.size();
  return textAt < envelope.size() ? envelope.substr(textAt) : std::string();
}

std::string clsNetworkGame::GetMsgIP(const std::string& envelope) {
  const std::string header = HeaderOf(envelope);
  const std::size_t semicolon = header.find(';');
  return semicolon == std::string::npos ? std::string() : header.substr(semicolon + 1);
}

std::string clsNetworkGame::GameKey() const { return MakeGameKey(HostIp); }

clsNetworkPlayer* clsNetworkGame::FindPlayer(const std::string& ip) {
  for (clsNetworkPlayer& player : CollClients) {
    if (player.IP == ip) return &player;
  }
  return nullptr;
}

bool clsNetworkGame::RemovePlayer(const std::string& ip) {
  const auto found =
      std::find_if(CollClients.begin(), CollClients.end(), [&](const clsNetworkPlayer& p) { return p.IP == ip; });
  if (found == CollClients.end()) return false;
  CollClients.erase(found);
  return true;
}

}  // namespace glyph
