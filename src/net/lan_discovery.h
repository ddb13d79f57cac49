// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyph {

class clsRandomSource;

// Races find each other on the local network: a host in its lobby announces
// itself about once a second on a port of its own, so the race's port and
// the peers that do not know announcements stay as they are.
inline constexpr std::uint16_t kDiscoveryPort = 15445;
inline constexpr char kAnnounceTag[] = "ANN";

struct Announcement {
  std::string host;      // the host's address, the race's game key
  std::string computer;  // the host computer's name
  std::string name;      // the host player's name
  int players = 0;
  bool started = false;
};

// The datagram of an announcement, enciphered and tagged like a race message.
std::string MakeAnnouncement(const Announcement& announcement, clsRandomSource& random);
// An announcement from a datagram, or nothing for anything else: another
// tag, a text not of this game, or a host address that is not the sender's.
std::optional<Announcement> ReadAnnouncement(std::string_view datagram, const std::string& source);

// Sends a host's announcements: on every IPv4 network of the computer that has
// a broadcast address, and on the loopback range for a loopback host.
class clsLanAnnouncer {
 public:
  virtual ~clsLanAnnouncer() = default;
  virtual void Announce(const std::string& localAddress, const std::string& datagram) = 0;
};

// A race heard lately.
struct HeardRace {
  std::string host;
  std::string computer;
  std::string name;
  int players = 0;
  bool operator==(const HeardRace&) const = default;
};

// The races heard in the last three seconds, at most 64, by host address. A
// host is heard at most once a second; one that says its race started, or is
// silent for three seconds, leaves the list.
class clsLanRaceList {
 public:
  static constexpr std::size_t kMostRaces = 64;
  static constexpr std::int64_t kFreshMilliseconds = 3000;
  static constexpr std::int64_t kHeardEveryMilliseconds = 1000;

  // True when the list changed.
  bool Hear(std::string_view datagram, const std::string& source, std::int64_t nowMilliseconds);
  bool Expire(std::int64_t nowMilliseconds);
  std::vector<HeardRace> Races() const;

 private:
  struct Entry {
    HeardRace race;
    std::int64_t heardAt = 0;
  };
  std::map<std::string, Entry> races_;
};

// Of this computer's addresses, the one on the same network as a host: the
// one sharing the longest run of leading bits with it ("" when none shares
// its first byte).
std::string LocalAddressFor(const std::string& host, const std::vector<std::string>& localAddresses);

}  // namespace glyph
