// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace glyph {

// The fixed keys of the three enciphered text formats.
constexpr std::int32_t kSaveGameKey = 52817;
constexpr std::int32_t kLanguageFileKey = 46093;
constexpr std::int32_t kNetworkKey = 18734;

// A key must be at least 1, and key x 9999 must fit a signed 32-bit integer.
constexpr std::int32_t kSmallestKey = 1;
constexpr std::int32_t kLargestKey = 214769;

}  // namespace glyph
