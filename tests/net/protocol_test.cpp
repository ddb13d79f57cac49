// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/cls_system_random.h"
#include "net/cls_network_game.h"
#include "net/ip_address.h"
#include "net/net_protocol.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"

namespace glyph {
namespace {

std::string Datagram(const std::string& text) {
  clsSystemRandom random(1);
  return clsCrypt(random).Encrypt(text, kNetworkKey);
}

TEST(Protocol, GameKeysAreSkippedByTheirLength) {
  EXPECT_EQ(MakeGameKey(""), "00");
  EXPECT_EQ(MakeGameKey("192.168.0.5"), "11192.168.0.5");
  clsSystemRandom random(2);
  for (const std::string& key : {MakeGameKey(""), MakeGameKey("192.168.0.5")}) {
    const auto message = DecodeDatagram(EncodeDatagram(MakeMessageText(key, tag::kLiving, "192.168.0.7"), random));
    ASSERT_TRUE(message) << key;
    EXPECT_EQ(message->tag, "LIV");
    EXPECT_EQ(message->body, "192.168.0.7");
  }
}

TEST(Protocol, AnythingElseIsDropped) {
  EXPECT_FALSE(DecodeDatagram(Datagram("00HELLOOK!")));
  EXPECT_FALSE(DecodeDatagram(Datagram("00GLYPHXYZbody")));  // unknown tag
  EXPECT_FALSE(DecodeDatagram(Datagram("00GLYPHOK")));       // tag cut short
  EXPECT_FALSE(DecodeDatagram(Datagram("99GLYPHOK!")));      // key longer than the text
  EXPECT_FALSE(DecodeDatagram(""));
  EXPECT_FALSE(DecodeDatagram("not hexadecimal at all"));
  EXPECT_TRUE(DecodeDatagram(Datagram("xxGLYPHCLO")));  // a key length that is no number reads as 0
}

TEST(Protocol, OptionString) {
  clsNetworkGame game;
  game.Time = 3605;
  game.Penalty = 0;
  EXPECT_EQ(game.MakeOptString(), "0360500000");
  game.Time = 1800;
  game.Penalty = 50;
  EXPECT_EQ(game.MakeOptString(), "0180000050");
  game.GetOptFromString("00123");  // short: the missing field reads as 0
  EXPECT_EQ(game.Time, 123);
  EXPECT_EQ(game.Penalty, 0);
  game.GetOptFromString("001234");  // or as the digits present
  EXPECT_EQ(game.Penalty, 4);
  game.GetOptFromString("ab12c99999");
  EXPECT_EQ(game.Time, 0);
  EXPECT_EQ(game.Penalty, 99999);
  EXPECT_EQ(FiveDigits(-7), "00000");  // held inside what five places carry
  EXPECT_EQ(FiveDigits(123456), "99999");
}

TEST(Protocol, InfoString) {
  clsNetworkPlayer ann;
  ann.IP = "10.0.0.2";
  ann.Name = "Ann Lee";
  const std::string info = ann.MakeInfoString();
  EXPECT_EQ(info, "10.0.0.2       Ann Lee");
  clsNetworkPlayer read;
  read.FillFromInfo("  127.0.0.1");
  EXPECT_EQ(read.IP, "127.0.0.1");
  EXPECT_EQ(read.Name, "");
  ann.IP = "1234567890123456789";
  EXPECT_EQ(ann.MakeInfoString(), "123456789012345Ann Lee");
}

TEST(Protocol, ChatEnvelopeAndItsDuplicateFilter) {
  clsNetworkGame sender;
  sender.LocalIP = "192.168.0.7";
  sender.MakeMsg("one");
  sender.MakeMsg("two");
  const std::string third = sender.MakeMsg("Bob: hi");
  EXPECT_EQ(third, "133;192.168.0.7Bob: hi");
  EXPECT_EQ(clsNetworkGame::GetMsgIP(third), "192.168.0.7");
  EXPECT_EQ(clsNetworkGame::GetMsgIP("05abcdeline"), "");

  clsNetworkGame receiver;
  EXPECT_EQ(receiver.GotMsg(third), "Bob: hi");
  EXPECT_EQ(receiver.GotMsg(third), "");  // the same header: shown once
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(receiver.GotMsg(sender.MakeMsg("line")).empty());
  EXPECT_EQ(receiver.GotMsg(third), "Bob: hi");  // ten others later it is new again
  EXPECT_EQ(receiver.GotMsg(""), "");
  EXPECT_EQ(receiver.GotMsg("9"), "");
}

TEST(Protocol, AddressesAreComparedAsTheNetworkWritesThem) {
  EXPECT_EQ(CanonicalIPv4("010.000.0.07"), "10.0.0.7");
  EXPECT_EQ(CanonicalIPv4("999.1.1.1"), "");
  EXPECT_EQ(CanonicalIPv4("10.0.0.0007"), "");
  for (const char* address : {"0.0.0.0", "224.0.0.1", "255.255.255.255", "abc"}) EXPECT_FALSE(IsUnicastIPv4(address));
  EXPECT_TRUE(IsUnicastIPv4("192.168.0.5"));
}

TEST(Protocol, ResultRecords) {
  EXPECT_EQ(SolvedRecord(123, "192.168.0.9"), "F00123192.168.0.9");
  EXPECT_EQ(GaveUpRecord("192.168.0.9"), "G00000192.168.0.9");
  EXPECT_EQ(FieldValue("00123"), 123);
  EXPECT_EQ(FieldValue("12x45"), 12);
  EXPECT_EQ(FieldValue(""), 0);
}

TEST(Protocol, AddPlayerKeepsAddressesUnique) {
  clsNetworkGame game;
  game.HostIp = "10.0.0.1";
  clsNetworkPlayer first;
  first.IP = "10.0.0.5";
  first.Name = "First";
  EXPECT_EQ(game.AddPlayer(first, 1000), 0);
  EXPECT_EQ(game.CollClients[0].LastLiving, 1000);
  first.Name = "Second";
  EXPECT_EQ(game.AddPlayer(first, 2000), 1);
  EXPECT_EQ(game.CollClients.size(), 1u);
  EXPECT_EQ(game.CollClients[0].Name, "First");
  clsNetworkPlayer host;
  host.IP = "10.0.0.1";
  game.AddPlayer(host, 3000);
  EXPECT_TRUE(game.CollClients[1].KnowsOptions);
  EXPECT_FALSE(game.CollClients[0].KnowsOptions);
}

}  // namespace
}  // namespace glyph
