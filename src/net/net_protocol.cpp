// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/net_protocol.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/lenient_number.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"

namespace glyph {

namespace {

constexpr std::array<std::string_view, 15> kTags{
    tag::kNew,     tag::kOk,       tag::kOther,      tag::kWhoAreYou, tag::kLiving,
    tag::kMessage, tag::kOptions,  tag::kOptionsOk,  tag::kStart,     tag::kStartConfirmed,
    tag::kGiveUp,  tag::kFinished, tag::kNeedResult, tag::kQuit,      tag::kClose};
constexpr std::size_t kTagLength = 3;
constexpr std::size_t kPrefixLength = 5;
constexpr std::int64_t kLargestField = 99'999;

}  // namespace

bool IsKnownTag(std::string_view candidate) { return std::find(kTags.begin(), kTags.end(), candidate) != kTags.end(); }

std::string MakeGameKey(const std::string& hostIp) {
  char length[8];
  std::snprintf(length, sizeof length, "%02d", static_cast<int>(std::min<std::size_t>(hostIp.size(), 99)));
  return length + hostIp;
}

std::string MakeMessageText(const std::string& gameKey, std::string_view messageTag, std::string_view body) {
  std::string text = gameKey;
  text += kMessagePrefix;
  text += messageTag;
  text += body;
  return text;
}

std::string EncodeDatagram(const std::string& messageText, clsRandomSource& random) {
  return clsCrypt(random).Encrypt(messageText, kNetworkKey);
}

std::optional<TaggedMessage> DecodeTaggedDatagram(std::string_view datagram) {
  const std::string text = clsCrypt::Decrypt(datagram, kNetworkKey);
  const std::size_t keyLength = static_cast<std::size_t>(FieldValue(std::string_view(text).substr(0, 2)));
  const std::size_t prefixAt = std::min(text.size(), keyLength + 2);
  const std::string_view rest = std::string_view(text).substr(prefixAt);
  if (rest.substr(0, kPrefixLength) != kMessagePrefix || rest.size() < kPrefixLength + kTagLength) return std::nullopt;
  return TaggedMessage{text.substr(0, prefixAt), std::string(rest.substr(kPrefixLength, kTagLength)),
                       std::string(rest.substr(kPrefixLength + kTagLength))};
}

std::optional<ReceivedMessage> DecodeDatagram(std::string_view datagram) {
  std::optional<TaggedMessage> message = DecodeTaggedDatagram(datagram);
  if (!message || !IsKnownTag(message->tag)) return std::nullopt;
  return ReceivedMessage{std::move(message->tag), std::move(message->body)};
}

std::string FiveDigits(std::int64_t value) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%05d", static_cast<int>(std::clamp<std::int64_t>(value, 0, kLargestField)));
  return digits;
}

std::int32_t FieldValue(std::string_view field) {
  std::int64_t value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') break;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), 2'000'000'000);
  }
  return static_cast<std::int32_t>(value);
}

std::string SolvedRecord(std::int32_t points, const std::string& ip) { return "F" + FiveDigits(points) + ip; }

std::string GaveUpRecord(const std::string& ip) { return "G00000" + ip; }

}  // namespace glyph
