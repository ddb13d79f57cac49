// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lan_discovery.h"

#include <bit>

#include "net/cls_network_player.h"
#include "net/ip_address.h"
#include "net/net_protocol.h"

namespace glyph {

namespace {

std::optional<std::uint32_t> AddressBits(const std::string& address) {
  if (!IsDottedIPv4(address)) return std::nullopt;
  std::uint32_t bits = 0;
  std::size_t at = 0;
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = address.find('.', at);
    bits = bits << 8 | static_cast<std::uint32_t>(FieldValue(address.substr(at, dot - at)) & 0xFF);
    at = dot + 1;
  }
  return bits;
}

// Keeps a name short, plain and free of the separator "|".
std::string Field(const std::string& text) { return PlayerName(text.substr(0, text.find('|'))); }

}  // namespace

// The body: players in five places, "1" once the race started, the
// computer's name, "|", the player's name.
std::string MakeAnnouncement(const Announcement& announcement, clsRandomSource& random) {
  const std::string body = FiveDigits(announcement.players) + (announcement.started ? "1" : "0") +
                           Field(announcement.computer) + "|" + Field(announcement.name);
  return EncodeDatagram(MakeMessageText(MakeGameKey(announcement.host), kAnnounceTag, body), random);
}

std::optional<Announcement> ReadAnnouncement(std::string_view datagram, const std::string& source) {
  const std::optional<TaggedMessage> message = DecodeTaggedDatagram(datagram);
  if (!message || message->tag != kAnnounceTag || message->body.size() < 6) return std::nullopt;
  if (!IsDottedIPv4(source) || message->gameKey != MakeGameKey(source)) return std::nullopt;
  Announcement announcement;
  announcement.host = source;
  announcement.players = FieldValue(std::string_view(message->body).substr(0, 5));
  announcement.started = message->body[5] == '1';
  const std::string names = message->body.substr(6);
  const std::size_t bar = names.find('|');
  announcement.computer = Field(names.substr(0, bar));
  announcement.name = bar == std::string::npos ? std::string() : Field(names.substr(bar + 1));
  return announcement;
}

bool clsLanRaceList::Hear(std::string_view datagram, const std::string& source, std::int64_t nowMilliseconds) {
  const std::optional<Announcement> heard = ReadAnnouncement(datagram, source);
  if (!heard) return false;
  const auto known = races_.find(heard->host);
  if (heard->started) {
    if (known == races_.end()) return false;
    races_.erase(known);
    return true;
  }
  if (known != races_.end() && nowMilliseconds - known->second.heardAt < kHeardEveryMilliseconds) return false;
  if (known == races_.end() && races_.size() >= kMostRaces) return false;
  const HeardRace race{heard->host, heard->computer, heard->name, heard->players};
  const bool changed = known == races_.end() || !(known->second.race == race);
  races_[heard->host] = Entry{race, nowMilliseconds};
  return changed;
}

bool clsLanRaceList::Expire(std::int64_t nowMilliseconds) {
  return std::erase_if(races_, [&](const auto& entry) {
           return nowMilliseconds - entry.second.heardAt > kFreshMilliseconds;
         }) > 0;
}

std::vector<HeardRace> clsLanRaceList::Races() const {
  std::vector<HeardRace> races;
  for (const auto& [host, entry] : races_) races.push_back(entry.race);
  return races;
}

std::string LocalAddressFor(const std::string& host, const std::vector<std::string>& localAddresses) {
  const std::optional<std::uint32_t> hostBits = AddressBits(host);
  std::string best;
  int bestShared = 7;  // at least the first byte in common
  for (const std::string& local : localAddresses) {
    const std::optional<std::uint32_t> bits = AddressBits(local);
    if (!hostBits || !bits) continue;
    const int shared = std::countl_zero(*hostBits ^ *bits);
    if (shared > bestShared) {
      best = local;
      bestShared = shared;
    }
  }
  return best;
}

}  // namespace glyph
