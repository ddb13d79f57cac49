// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/ansi_case.h"

namespace glyph {

namespace {

unsigned char UpperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

}  // namespace

std::string AnsiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
  return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperOf(static_cast<unsigned char>(a[i])) != UpperOf(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace glyph
