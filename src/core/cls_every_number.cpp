// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cls_every_number.h"

#include <algorithm>
#include <stdexcept>

namespace glyph {

void clsEveryNumber::AddNumber(std::int16_t n) {
  if (n < 0) throw std::invalid_argument("clsEveryNumber::AddNumber: negative number");
  int rest = n;
  for (int place = 0; place < 3; ++place) {
    const int digit = rest % 10;
    present_[digit] = true;
    rest = (rest - digit) / 10;
  }
}

bool clsEveryNumber::IsComplete() const {
  return std::all_of(present_.begin(), present_.end(), [](bool p) { return p; });
}

bool clsEveryNumber::HasNumber(std::int16_t d) const {
  if (d < 0) throw std::invalid_argument("clsEveryNumber::HasNumber: negative value");
  return d > 9 || present_[d];
}

bool clsEveryNumber::Present(int d) const {
  if (d < 0 || d > 9) throw std::out_of_range("clsEveryNumber::Present: index outside 0..9");
  return present_[d];
}

}  // namespace glyph
