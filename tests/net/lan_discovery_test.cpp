// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/cls_system_random.h"
#include "net/lan_discovery.h"
#include "net/net_protocol.h"

namespace glyph {
namespace {

class LanRaceListTest : public ::testing::Test {
 protected:
  std::string Announce(const std::string& host, const std::string& name, int players, bool started = false) {
    return MakeAnnouncement({host, "box", name, players, started}, random_);
  }
  std::vector<std::string> Hosts() const {
    std::vector<std::string> hosts;
    for (const HeardRace& race : list_.Races()) hosts.push_back(race.host);
    return hosts;
  }

  clsSystemRandom random_{4};
  clsLanRaceList list_;
};

TEST_F(LanRaceListTest, RacesAppearRefreshAtMostOnceASecondAndExpire) {
  EXPECT_TRUE(list_.Hear(Announce("127.0.0.2", "Ann", 1), "127.0.0.2", 0));
  EXPECT_EQ(list_.Races(), (std::vector<HeardRace>{{"127.0.0.2", "box", "Ann", 1}}));
  // A second word within the second is not shown; after it, it is.
  EXPECT_FALSE(list_.Hear(Announce("127.0.0.2", "Ann", 3), "127.0.0.2", 500));
  EXPECT_EQ(list_.Races()[0].players, 1);
  EXPECT_TRUE(list_.Hear(Announce("127.0.0.2", "Ann", 3), "127.0.0.2", 1000));
  EXPECT_EQ(list_.Races()[0].players, 3);
  // Three seconds of silence, or a started race, and it is gone.
  list_.Hear(Announce("127.0.0.3", "Bob", 1), "127.0.0.3", 2500);
  EXPECT_FALSE(list_.Expire(4000));
  EXPECT_TRUE(list_.Expire(4001));
  EXPECT_EQ(Hosts(), std::vector<std::string>{"127.0.0.3"});
  EXPECT_TRUE(list_.Hear(Announce("127.0.0.3", "Bob", 1, true), "127.0.0.3", 2600));
  EXPECT_TRUE(list_.Races().empty());
}

TEST_F(LanRaceListTest, HoldsSixtyFourRacesAtMost) {
  for (int i = 1; i <= 70; ++i) {
    const std::string host = "127.0.1." + std::to_string(i);
    list_.Hear(Announce(host, "P", 1), host, 0);
  }
  EXPECT_EQ(list_.Races().size(), clsLanRaceList::kMostRaces);
  // A race already listed is still refreshed.
  EXPECT_TRUE(list_.Hear(Announce("127.0.1.1", "P", 2), "127.0.1.1", 1000));
}

TEST_F(LanRaceListTest, JunkForeignTagsAndOtherSendersAreIgnored) {
  const std::vector<std::pair<std::string, std::string>> junk{
      {"", "127.0.0.2"},
      {std::string(400, 'F'), "127.0.0.2"},
      {"not hex at all", "127.0.0.2"},
      {EncodeDatagram(MakeMessageText(MakeGameKey("127.0.0.2"), tag::kNew, "127.0.0.2      Ann"), random_),
       "127.0.0.2"},
      {Announce("127.0.0.2", "Ann", 1), "127.0.0.9"},  // says it is another host
      {Announce("127.0.0.2", "Ann", 1), "somewhere"},
  };
  for (const auto& [datagram, source] : junk) EXPECT_FALSE(list_.Hear(datagram, source, 0)) << datagram;
  EXPECT_TRUE(list_.Races().empty());
  // The shortest announcement: players and started, no names.
  EXPECT_TRUE(list_.Hear(EncodeDatagram(MakeMessageText(MakeGameKey("127.0.0.4"), kAnnounceTag, "000010"), random_),
                         "127.0.0.4", 0));
  // Names are cut at "|" and at 64 characters, line breaks are spaces.
  list_.Hear(MakeAnnouncement({"127.0.0.2", "a|b", "1\n2" + std::string(100, 'n'), 2, false}, random_), "127.0.0.2",
             0);
  EXPECT_EQ(list_.Races()[0].computer, "a");
  EXPECT_EQ(list_.Races()[0].name, "1 2" + std::string(61, 'n'));
}

TEST(LanDiscovery, TheLocalAddressOnTheHostsNetworkIsChosen) {
  const std::vector<std::string> local{"127.0.0.1", "192.168.1.20", "10.0.0.7"};
  EXPECT_EQ(LocalAddressFor("192.168.1.5", local), "192.168.1.20");
  EXPECT_EQ(LocalAddressFor("127.0.0.9", local), "127.0.0.1");
  EXPECT_EQ(LocalAddressFor("172.16.0.1", local), "");
  EXPECT_EQ(LocalAddressFor("not an address", local), "");
}

}  // namespace
}  // namespace glyph
