// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ansi_text.h"

#include <QTextDocument>

#include <QList>
#include <array>

namespace glyph {

namespace {

// Windows-1252 codes 0x80..0x9F. The undefined ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool EncodeChar(char32_t code, char& out) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
    out = static_cast<char>(static_cast<unsigned char>(code));
    return true;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) {
      out = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ToAnsi(const QString& text, bool* lossy) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  bool lost = false;
  for (char32_t code : text.toUcs4()) {
    char c = '?';
    if (!EncodeChar(code, c)) lost = true;
    out += c;
  }
  if (lossy != nullptr) *lossy = lost;
  return out;
}

QString FromAnsi(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    out += (code >= 0x80 && code < 0xA0) ? QChar(kHighControls[code - 0x80]) : QChar(code);
  }
  return out;
}

QString PlainToolTip(const std::string& text) {
  const QString plain = FromAnsi(text);
  return Qt::mightBeRichText(plain) ? "<p>" + plain.toHtmlEscaped() + "</p>" : plain;
}

}  // namespace glyph
