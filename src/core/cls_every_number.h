// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace glyph {

// The set of decimal digits (or symbol indices) seen so far. The generator uses
// a fresh one per attempt to check that a square uses every digit, and another
// to hand out each symbol once.
class clsEveryNumber {
 public:
  // Marks the ones, tens and hundreds digit of n: exactly three steps, so a
  // number below 100 also marks 0 for its missing leading digits.
  // Throws std::invalid_argument for a negative n.
  void AddNumber(std::int16_t n);

  // True when all ten values are present.
  bool IsComplete() const;

  // True for any d above 9; Present(d) for 0..9.
  // Throws std::invalid_argument for a negative d.
  bool HasNumber(std::int16_t d) const;

  // Throws std::out_of_range outside 0..9.
  bool Present(int d) const;

 private:
  std::array<bool, 10> present_{};
};

}  // namespace glyph
