// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace glyph {

// The one place where text crosses between Qt and the logic, whose strings
// hold the 8-bit Windows-1252 codes the file formats and the protocol use.

// Encodes to Windows-1252. A character outside that set becomes "?"; when
// lossy is given it is set to whether that happened.
std::string ToAnsi(const QString& text, bool* lossy = nullptr);

// Decodes Windows-1252. The five codes that set leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control character of the same value, so every
// byte decodes and encodes back to itself.
QString FromAnsi(const std::string& text);

// A tool tip that shows its text as it stands: Qt would read a tip that
// looks like markup as rich text, so such a tip is escaped first.
QString PlainToolTip(const std::string& text);

}  // namespace glyph
