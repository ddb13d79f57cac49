// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace glyph {

// The product's web page, shown on the main window and printed on every
// page, and the maker's.
inline constexpr char kProductWebPage[] = "https://glyphmatic.example/";
inline constexpr char kMakerWebPage[] = "https://glyphmatic.example/about/";

}  // namespace glyph
