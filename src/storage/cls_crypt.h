// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glyph {

class clsRandomSource;

// The line cipher of saved games, language files and network messages. A
// plain text of 8-bit character codes becomes a line of upper-case hexadecimal
// digits: each byte shifted by a digit of key x r, r a random factor carried
// inside the line. Texts under 20 characters are padded with 20 random bytes
// so that short lines do not show their length. Holds no state between calls.
class clsCrypt {
 public:
  explicit clsCrypt(clsRandomSource& random) : random_(random) {}

  // Enciphers text under key. Throws std::invalid_argument for a key outside
  // kSmallestKey..kLargestKey.
  std::string Encrypt(std::string_view text, std::int32_t key);

  // Deciphers a line made by Encrypt with the same key. Never throws and never
  // reads outside the text: a line Encrypt did not make yields some other
  // string, the empty string where no key digits can be formed.
  static std::string Decrypt(std::string_view text, std::int32_t key);

 private:
  int DrawFactor();
  int DrawPadByte();
  double DrawUniform();

  clsRandomSource& random_;
};

}  // namespace glyph
