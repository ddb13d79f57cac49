// SPDX-License-Identifier: GPL-3.0-or-later
// Why a column step rules out what it does, where the sums' digits alone
// would allow it: each of the column's own rules is relaxed in turn (see
// ColumnRelax), and a digit the relaxed rule lets the symbol take is ruled
// out by that rule; the ways it then takes say which symbols the rule
// concerns.
#include <algorithm>
#include <bitset>

#include "core/deduction_rules.h"

namespace glyph::deduction {

namespace {

// What a way breaks when a rule is relaxed: each pair of different symbols
// it gives one digit (bit 10 * the lower symbol + the higher), each symbol
// it gives two digits (bit 10 * the symbol).
std::bitset<100> Clashes(const ColumnPlaces& way) {
  std::bitset<100> clashes;
  for (int i = 0; i < way.count; ++i) {
    for (int j = i + 1; j < way.count; ++j) {
      const auto [a, digitA] = way.places[static_cast<std::size_t>(i)];
      const auto [b, digitB] = way.places[static_cast<std::size_t>(j)];
      if (a != b && digitA == digitB) clashes.set(static_cast<std::size_t>(10 * std::min(a, b) + std::max(a, b)));
      if (a == b && digitA != digitB) clashes.set(static_cast<std::size_t>(10 * a));
    }
  }
  return clashes;
}

}  // namespace

std::vector<Obstacle> ObstaclesOf(const Deduction& step, const BoardShape& shape, const State& state) {
  const Reason& r = step.reason;
  const auto symbol = static_cast<std::size_t>(step.facts.front().symbol);
  Mask unexplained = 0;
  for (const Fact& fact : step.facts) unexplained |= Bit(fact.digit);
  // The ones take no carry in and the hundreds give none out: a group
  // touches at most one of the two.
  const bool hasEdge = r.lowColumn == 0 || r.lowColumn + r.columns == 3;
  std::vector<Obstacle> found;
  for (unsigned relax : {kDifferentMayShare, kSameMayDiffer, kEdgeCarries}) {
    if (relax == kEdgeCarries && !hasEdge) continue;
    const Mask eased = ColumnSupports(shape, r.equation, r.lowColumn, r.columns, state, relax)[symbol] & unexplained;
    unexplained &= static_cast<Mask>(~eased);
    // For each digit, what every relaxed way that gives it to the symbol
    // breaks: which two symbols it gives one digit, or which one two.
    std::array<std::bitset<100>, 10> everyWay;
    Mask seen = 0;
    if (relax != kEdgeCarries && eased != 0) {
      ForEachColumnWay(shape, r.equation, r.lowColumn, r.columns, state, relax, [&](const ColumnPlaces& way) {
        Mask digits = 0;
        for (int i = 0; i < way.count; ++i) {
          const auto [s, d] = way.places[static_cast<std::size_t>(i)];
          if (s == static_cast<int>(symbol)) digits |= Bit(d);
        }
        digits &= eased;
        if (digits == 0) return;
        const std::bitset<100> clashes = Clashes(way);
        for (Mask d = digits; d != 0; d &= d - 1) {
          const auto digit = static_cast<std::size_t>(Lowest(d));
          everyWay[digit] = (seen & Bit(Lowest(d))) ? everyWay[digit] & clashes : clashes;
        }
        seen |= digits;
      });
    }
    for (Mask m = eased; m != 0; m &= m - 1) {
      const auto digit = static_cast<std::size_t>(Lowest(m));
      Obstacle obstacle{relax == kDifferentMayShare ? Obstacle::Kind::SameDigit
                        : relax == kSameMayDiffer   ? Obstacle::Kind::TwoDigits
                                                    : Obstacle::Kind::Carry,
                        Bit(Lowest(m))};
      for (std::size_t bit = 0; bit < 100 && obstacle.symbol < 0; ++bit) {
        if (!everyWay[digit][bit]) continue;
        obstacle.symbol = static_cast<int>(bit / 10);
        if (relax == kDifferentMayShare) obstacle.other = static_cast<int>(bit % 10);
      }
      const auto same = std::find_if(found.begin(), found.end(), [&](const Obstacle& o) {
        return o.kind == obstacle.kind && o.symbol == obstacle.symbol && o.other == obstacle.other;
      });
      if (same == found.end()) {
        found.push_back(obstacle);
      } else {
        same->digits |= obstacle.digits;
      }
    }
  }
  return found;
}

}  // namespace glyph::deduction
