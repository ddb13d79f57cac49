// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace glyph {

// Reads a number the forgiving way the puzzle text form allows: leading blanks
// are skipped, then an optional sign, digits and a decimal fraction are read up
// to the first character that cannot continue the number. A field without a
// number gives 0; a fraction is rounded to the nearest integer, halves to the
// even neighbour. "012" gives 12, "7x" gives 7, "2.5" gives 2, "1e3" gives 1.
// Returns nothing when the value does not fit a 16-bit signed integer.
std::optional<std::int16_t> ReadLenientInt16(std::string_view field);

// The same reading for a whole number of any size: values beyond the 32-bit
// range are held at its ends.
std::int32_t ReadLenientInt32(std::string_view field);

}  // namespace glyph
