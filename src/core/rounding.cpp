// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rounding.h"

#include <cmath>

namespace glyph {

double RoundHalfEven(double value) {
  // nearbyint would depend on the floating-point rounding mode in force; the
  // tie rule is done by hand so that it holds whatever that mode is.
  const double floorValue = std::floor(value);
  const double fraction = value - floorValue;
  if (fraction > 0.5) return floorValue + 1.0;
  if (fraction < 0.5) return floorValue;
  // Only integers up to 2^53 can carry a fraction of exactly one half.
  const bool isEven = static_cast<long long>(floorValue) % 2 == 0;
  return isEven ? floorValue : floorValue + 1.0;
}

}  // namespace glyph
