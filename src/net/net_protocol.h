// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glyph {

class clsRandomSource;

inline constexpr std::uint16_t kNetworkPort = 15444;
inline constexpr char kMessagePrefix[] = "GLYPH";

// The fifteen message tags.
namespace tag {
inline constexpr char kNew[] = "NEW";
inline constexpr char kOk[] = "OK!";
inline constexpr char kOther[] = "OTH";
inline constexpr char kWhoAreYou[] = "WAY";
inline constexpr char kLiving[] = "LIV";
inline constexpr char kMessage[] = "MSG";
inline constexpr char kOptions[] = "OPT";
inline constexpr char kOptionsOk[] = "OOK";
inline constexpr char kStart[] = "STA";
inline constexpr char kStartConfirmed[] = "STC";
inline constexpr char kGiveUp[] = "GUP";
inline constexpr char kFinished[] = "FIN";
inline constexpr char kNeedResult[] = "NIN";
inline constexpr char kQuit[] = "QUI";
inline constexpr char kClose[] = "CLO";
}  // namespace tag

bool IsKnownTag(std::string_view tag);

// The game key: two digits of the host address's length, then the address
// ("00" on the host, which holds none).
std::string MakeGameKey(const std::string& hostIp);

// A message before enciphering: game key, "GLYPH", tag, body.
std::string MakeMessageText(const std::string& gameKey, std::string_view tag, std::string_view body);

// The datagram of a message: its text enciphered under the network key.
std::string EncodeDatagram(const std::string& messageText, clsRandomSource& random);

struct ReceivedMessage {
  std::string tag;
  std::string body;
};

// A deciphered datagram of this game with any tag: the game key, the tag and
// the body; nothing for a text without "GLYPH" after the game key.
struct TaggedMessage {
  std::string gameKey;
  std::string tag;
  std::string body;
};
std::optional<TaggedMessage> DecodeTaggedDatagram(std::string_view datagram);

// Deciphers a datagram, drops the game key by its length, and returns the tag
// and body; nothing for a text that does not continue with "GLYPH" and a known
// tag. Any text at all is safe to hand in.
std::optional<ReceivedMessage> DecodeDatagram(std::string_view datagram);

// Longer than any message of the game can be (a chat line is cut to 500
// characters before it goes out): a longer datagram is dropped unread.
inline constexpr std::size_t kLongestDatagram = 2048;

// A number in the fixed "00000" pattern, held within 0..99,999 so that it
// always fills exactly five places.
std::string FiveDigits(std::int64_t value);

// The decimal value of a field of a received message: leading digits only,
// anything else reads as 0.
std::int32_t FieldValue(std::string_view field);

// Result records: "F" + points in five places, or "G00000", then the address.
std::string SolvedRecord(std::int32_t points, const std::string& ip);
std::string GaveUpRecord(const std::string& ip);

}  // namespace glyph
