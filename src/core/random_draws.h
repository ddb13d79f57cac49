// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace glyph {

class clsRandomSource;

// The drawing rules of the generator. Each draw is preceded by a reseed, so
// that no two draws come from a plainly continued sequence.

// A number from 100 to 999: before every draw, kept or rejected, the source
// is reseeded with a fresh value times the time of day; the draw is a fresh
// value times 1000 rounded half to even, rejected outside 100..999.
std::int16_t RandomNumber(clsRandomSource& random);

// A random symbol for each digit 0..9, every symbol given out once. Per digit
// the source is reseeded with a fresh value times 100, then a fresh value times
// 10 is rounded; a symbol already given out, or 10, is drawn again after a
// reseed from a fresh value times the time of day.
std::array<std::int16_t, 10> MakeSymbolTable(clsRandomSource& random);

}  // namespace glyph
