// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/text_codec.h"

#include <array>
#include <cstdint>

namespace glyph {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHighControls{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code points of UTF-8 text, one call each; a broken sequence gives
// kBroken and goes on after its first byte.
constexpr char32_t kBroken = 0xFFFFFFFF;

template <typename Sink>
void Decode(std::string_view text, Sink sink) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    char32_t c = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    bool whole = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; whole && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      whole = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!whole) {
      sink(kBroken);
      ++i;
      continue;
    }
    sink(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
}

}  // namespace

std::string Utf8FromAnsi(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (const char byte : ansi) {
    const auto b = static_cast<unsigned char>(byte);
    const char32_t mapped = b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : 0;
    Append(out, mapped != 0 ? mapped : b);
  }
  return out;
}

std::string AnsiFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  Decode(utf8, [&out](char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      return;
    }
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
      if (kHighControls[k] == c) {
        out += static_cast<char>(0x80 + k);
        return;
      }
    }
    out += '?';
  });
  return out;
}

std::string Utf8FromBytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) Append(out, static_cast<unsigned char>(byte));
  return out;
}

std::string BytesFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  Decode(utf8, [&out](char32_t c) { out += c <= 0xFF ? static_cast<char>(c) : '?'; });
  return out;
}

}  // namespace glyph
