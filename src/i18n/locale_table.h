// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace glyph {

struct LocaleRow {
  std::string_view key;   // language identifier, e.g. "407"
  std::string_view code;  // locale code, e.g. "de-de"
};

constexpr std::size_t kLocaleRows = 202;

// The fixed table from language identifiers to locale codes.
const std::array<LocaleRow, kLocaleRows>& LocaleTable();

}  // namespace glyph
