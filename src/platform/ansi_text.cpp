// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ansi_text.h"

#include <QTextDocument>

#include <QList>

#include "core/code_page.h"

namespace glyph {

std::string ToAnsi(const QString& text, bool* lossy) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  bool lost = false;
  for (char32_t code : text.toUcs4()) {
    char c = '?';
    if (!AnsiFromChar(code, c)) lost = true;
    out += c;
  }
  if (lossy != nullptr) *lossy = lost;
  return out;
}

QString FromAnsi(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) out += QChar(static_cast<char16_t>(CharFromAnsi(static_cast<unsigned char>(c))));
  return out;
}

QString PlainToolTip(const std::string& text) {
  const QString plain = FromAnsi(text);
  return Qt::mightBeRichText(plain) ? "<p>" + plain.toHtmlEscaped() + "</p>" : plain;
}

}  // namespace glyph
