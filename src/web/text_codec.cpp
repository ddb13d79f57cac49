// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/text_codec.h"

#include <cstdint>

#include "core/code_page.h"

namespace glyph {

namespace {

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
    Append(out, CharFromAnsi(static_cast<unsigned char>(byte)));
  }
  return out;
}

std::string AnsiFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  Decode(utf8, [&out](char32_t c) {
    char byte = '?';
    AnsiFromChar(c, byte);
    out += byte;
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
