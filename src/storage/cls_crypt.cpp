// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cls_crypt.h"

#include <stdexcept>
#include <vector>

#include "core/cls_random_source.h"
#include "core/rounding.h"
#include "storage/cipher_keys.h"

namespace glyph {

namespace {

constexpr std::size_t kPaddedBelow = 20;  // texts shorter than this get a pad
constexpr std::size_t kPadBytes = 20;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Where the fields sit in a cipher line (0-based): body 1-12, length field,
// body 13-14, low part of r, body 15-24, high part of r, body 25 to the end.
constexpr std::size_t kLengthAt = 12;
constexpr std::size_t kLowAt = 16;
constexpr std::size_t kHighAt = 28;

void AppendHex2(std::string& out, unsigned value) {
  out += kHexDigits[(value >> 4) & 0xF];
  out += kHexDigits[value & 0xF];
}

// Hex digits of either case; any other character counts as a digit 0.
unsigned HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return 0;
}

unsigned HexValue(std::string_view digits) {
  unsigned value = 0;
  for (char c : digits) value = value * 16 + HexDigitValue(c);
  return value;
}

// Characters at 0-based position pos, up to count of them; positions beyond
// the end read as empty.
std::string_view Slice(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos >= text.size()) return {};
  return text.substr(pos, count);
}

// The decimal digits of key x r, most significant first. The product is
// formed in 64 bits: a foreign line can carry r up to 65,535. Empty when the
// product is not positive.
std::vector<int> KeyDigits(std::int64_t product) {
  std::vector<int> digits;
  for (; product > 0; product /= 10) digits.insert(digits.begin(), static_cast<int>(product % 10));
  return digits;
}

}  // namespace

double clsCrypt::DrawUniform() {
  const double factor = random_.Random();
  random_.Reseed(factor * random_.TimeOfDay());
  return random_.Random();
}

int clsCrypt::DrawFactor() {
  for (;;) {
    const double r = RoundHalfEven(DrawUniform() * 9999.0);
    if (r >= 1000 && r <= 9999) return static_cast<int>(r);
  }
}

int clsCrypt::DrawPadByte() {
  for (;;) {
    const double p = RoundHalfEven(DrawUniform() * 255.0);
    if (p >= 1 && p <= 255) return static_cast<int>(p);
  }
}

std::string clsCrypt::Encrypt(std::string_view text, std::int32_t key) {
  if (key < kSmallestKey || key > kLargestKey) {
    throw std::invalid_argument("clsCrypt::Encrypt: key out of range");
  }
  const int r = DrawFactor();
  const std::vector<int> keyDigits = KeyDigits(static_cast<std::int64_t>(key) * r);

  std::vector<unsigned> bytes(text.begin(), text.end());
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(text[i]);
  if (text.size() < kPaddedBelow) {
    for (std::size_t i = 0; i < kPadBytes; ++i) bytes.push_back(static_cast<unsigned>(DrawPadByte()));
  }

  std::string body;
  body.reserve(2 * bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    AppendHex2(body, (bytes[i] + static_cast<unsigned>(keyDigits[i % keyDigits.size()])) & 0xFF);
  }

  std::string lengthField;
  if (text.size() < kPaddedBelow) {
    AppendHex2(lengthField, static_cast<unsigned>(text.size()));
  } else {
    lengthField = "FF";
  }
  std::string low, high;
  AppendHex2(low, static_cast<unsigned>(r % 256));
  AppendHex2(high, static_cast<unsigned>(r / 256));

  std::string out;
  out.reserve(body.size() + 6);
  out.append(body, 0, 12);
  out += lengthField;
  out.append(body, 12, 2);
  out += low;
  out.append(body, 14, 10);
  out += high;
  out.append(body, 24);
  return out;
}

std::string clsCrypt::Decrypt(std::string_view text, std::int32_t key) {
  const unsigned length = HexValue(Slice(text, kLengthAt, 2));
  const unsigned r = HexValue(Slice(text, kHighAt, 2)) * 256 + HexValue(Slice(text, kLowAt, 2));

  std::string body;
  body.reserve(text.size());
  body += Slice(text, 0, 12);
  body += Slice(text, 14, 2);
  body += Slice(text, 18, 10);
  body += Slice(text, 30, std::string_view::npos);
  if (length < kPaddedBelow && body.size() > 2 * length) body.resize(2 * length);
  if (body.empty()) return {};

  const std::vector<int> keyDigits = KeyDigits(static_cast<std::int64_t>(key) * r);
  if (keyDigits.empty()) return {};

  // An odd body of 2k + 1 characters gives the even one of k and k + 1
  // groups; with k + 1 the last group is the lone last character.
  std::size_t groups = body.size() / 2;
  if (body.size() % 2 == 1 && groups % 2 == 1) ++groups;

  std::string plain;
  plain.reserve(groups);
  for (std::size_t i = 0; i < groups; ++i) {
    const unsigned value = HexValue(Slice(body, 2 * i, 2));
    const int shifted = static_cast<int>(value) - keyDigits[i % keyDigits.size()];
    plain += static_cast<char>(static_cast<unsigned char>(shifted < 0 ? shifted + 256 : shifted));
  }
  return plain;
}

}  // namespace glyph
