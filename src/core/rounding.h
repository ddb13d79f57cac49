// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace glyph {

// Rounds to the nearest integer, a half going to the even neighbour
// (99.5 gives 100, 100.5 gives 100, -2.5 gives -2).
double RoundHalfEven(double value);

}  // namespace glyph
