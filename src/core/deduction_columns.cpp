// SPDX-License-Identifier: GPL-3.0-or-later
// The column rules (rules 2 and 3): every way to give digits to the symbols
// of one or two neighbouring columns of a sum, and the digits no way gives.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/deduction_rules.h"

namespace glyph::deduction {

namespace {

using Addition = BoardShape::Addition;

// One way through one column of X + Y = Z: the digit of each place as one
// bit, at 10 * place + digit (places X, Y, Z), and the carry out.
struct ColumnWay {
  std::uint32_t places = 0;
  std::uint8_t carryOut = 0;
};

// A set of a table's ways (at most 200), one bit each.
using WaySet = std::array<std::uint64_t, 4>;
constexpr WaySet kEveryWay{~std::uint64_t{0}, ~std::uint64_t{0}, ~std::uint64_t{0}, ~std::uint64_t{0}};

WaySet& operator&=(WaySet& a, const WaySet& b) {
  for (std::size_t i = 0; i < a.size(); ++i) a[i] &= b[i];
  return a;
}
WaySet& operator|=(WaySet& a, const WaySet& b) {
  for (std::size_t i = 0; i < a.size(); ++i) a[i] |= b[i];
  return a;
}
WaySet Without(WaySet a, const WaySet& b) {
  for (std::size_t i = 0; i < a.size(); ++i) a[i] &= ~b[i];
  return a;
}
bool Empty(const WaySet& a) { return (a[0] | a[1] | a[2] | a[3]) == 0; }

template <typename Visit>
void ForEachWay(const WaySet& set, const Visit& visit) {
  for (std::size_t word = 0; word < set.size(); ++word) {
    for (std::uint64_t m = set[word]; m != 0; m &= m - 1) {
      visit(64 * word + static_cast<std::size_t>(std::countr_zero(m)));
    }
  }
}

// Every way through one kind of column, with the sets of the ways that give
// a place a digit or take a carry: what a state allows, and what goes with
// a way of the column below, is then a few operations on whole sets.
struct ColumnWays {
  std::vector<ColumnWay> ways;
  std::array<std::array<WaySet, 10>, 3> withDigit{};
  std::array<WaySet, 2> withCarryIn{};
};

constexpr int kPlaceShift = 10;

std::uint32_t PlaceBits(int place, Mask digits) { return static_cast<std::uint32_t>(digits) << (kPlaceShift * place); }
Mask DigitsAt(std::uint32_t places, int place) {
  return static_cast<Mask>((places >> (kPlaceShift * place)) & kAllDigits);
}

// Which of a column's places hold the same symbol: bit 0 for X and Y, bit 1
// for X and Z, bit 2 for Y and Z.
int SameSymbols(int x, int y, int z) { return int{x == y} | int{x == z} << 1 | int{y == z} << 2; }

constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kPlacePairs{{{0, 1}, {0, 2}, {1, 2}}};

// The relaxations a column's ways can be made with: none, or one of them.
constexpr std::array<unsigned, 4> kTableRelax{kAsIs, kDifferentMayShare, kSameMayDiffer, kEdgeCarries};

// Every way through a column at a position (0 ones, 1 tens, 2 hundreds):
// the ones have no carry coming in, the hundreds none going out.
ColumnWays MakeWays(int same, int column, unsigned relax) {
  ColumnWays made;
  const bool edgesFree = (relax & kEdgeCarries) != 0;
  const std::size_t carries = column > 0 || edgesFree ? 2 : 1;
  for (std::size_t carryIn = 0; carryIn < carries; ++carryIn) {
    for (int dx = 0; dx < 10; ++dx) {
      for (int dy = 0; dy < 10; ++dy) {
        const int sum = dx + dy + static_cast<int>(carryIn);
        if (column == 2 && sum >= 10 && !edgesFree) continue;
        const std::array<int, 3> digits{dx, dy, sum % 10};
        bool fits = true;
        for (std::size_t k = 0; k < kPlacePairs.size(); ++k) {
          const bool equal = digits[kPlacePairs[k].first] == digits[kPlacePairs[k].second];
          const bool samePlaces = ((same >> k) & 1) != 0;
          if (samePlaces && !equal) fits = fits && (relax & kSameMayDiffer) != 0;
          if (!samePlaces && equal) fits = fits && (relax & kDifferentMayShare) != 0;
        }
        if (!fits) continue;
        const std::size_t index = made.ways.size();
        const std::uint64_t bit = std::uint64_t{1} << (index % 64);
        ColumnWay way;
        for (std::size_t place = 0; place < 3; ++place) {
          way.places |= PlaceBits(static_cast<int>(place), Bit(digits[place]));
          made.withDigit[place][static_cast<std::size_t>(digits[place])][index / 64] |= bit;
        }
        way.carryOut = static_cast<std::uint8_t>(sum / 10);
        made.withCarryIn[carryIn][index / 64] |= bit;
        made.ways.push_back(way);
      }
    }
  }
  return made;
}

// The ways of every kind of column, made once: by which places share a
// symbol, the column's position and what is relaxed.
const ColumnWays& WaysOf(int same, int column, unsigned relax) {
  static const std::vector<ColumnWays> tables = [] {
    std::vector<ColumnWays> made;
    for (int sameKind = 0; sameKind < 8; ++sameKind) {
      for (int position = 0; position < 3; ++position) {
        for (unsigned r : kTableRelax) made.push_back(MakeWays(sameKind, position, r));
      }
    }
    return made;
  }();
  const auto kind =
      static_cast<std::size_t>(std::find(kTableRelax.begin(), kTableRelax.end(), relax) - kTableRelax.begin());
  return tables.at(static_cast<std::size_t>(same * 3 + column) * kTableRelax.size() + kind);
}

// The digits each symbol takes in some way through one or two neighbouring
// columns of an addition, carries included. Each column's ways come from its
// table; two columns join each way of the lower with the ways of the higher
// that take its carry and give its symbols the same digits, other symbols
// other digits.
class clsColumnSearch {
 public:
  clsColumnSearch(const Addition& addition, int low, int count, const State& state, unsigned relax)
      : addition_(addition), low_(low), count_(count), state_(state), relax_(relax) {
    if (count_ == 1) return;
    // What each pair of a higher and a lower place asks of the joined ways:
    // the same digit for one symbol, different digits for two.
    for (int h = 0; h < 3; ++h) {
      for (int l = 0; l < 3; ++l) {
        Link& link = links_[static_cast<std::size_t>(h)][static_cast<std::size_t>(l)];
        if (Symbol(low_ + 1, h) == Symbol(low_, l)) {
          link = relax_ & kSameMayDiffer ? Link::None : Link::Same;
        } else {
          link = relax_ & kDifferentMayShare ? Link::None : Link::Different;
        }
      }
    }
  }

  std::array<Mask, 10> Supports() const {
    std::array<Mask, 10> supports{};
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    if (count_ == 1) {
      const ColumnWays& ways = Ways(low_);
      ForEachWay(OpenWays(ways, low_), [&](std::size_t i) { low |= ways.ways[i].places; });
    } else {
      Join(low, high);
    }
    for (int place = 0; place < 3; ++place) {
      supports[Symbol(low_, place)] |= DigitsAt(low, place);
      if (count_ == 2) supports[Symbol(low_ + 1, place)] |= DigitsAt(high, place);
    }
    return supports;
  }

  // Every way through the columns one at a time, as the symbol and digit
  // of each place.
  void ForEachWayThrough(const std::function<void(const ColumnPlaces&)>& visit) const {
    ColumnPlaces places;
    places.count = 3 * count_;
    const auto fill = [&](int column, std::uint32_t digits, std::size_t first) {
      for (int place = 0; place < 3; ++place) {
        places.places[first + static_cast<std::size_t>(place)] = {static_cast<int>(Symbol(column, place)),
                                                                  Lowest(DigitsAt(digits, place))};
      }
    };
    const ColumnWays& lowWays = Ways(low_);
    if (count_ == 1) {
      ForEachWay(OpenWays(lowWays, low_), [&](std::size_t i) {
        fill(low_, lowWays.ways[i].places, 0);
        visit(places);
      });
      return;
    }
    const ColumnWays& highWays = Ways(low_ + 1);
    const WaySet highFit = OpenWays(highWays, low_ + 1);
    ForEachWay(OpenWays(lowWays, low_), [&](std::size_t i) {
      const ColumnWay& lower = lowWays.ways[i];
      fill(low_, lower.places, 0);
      ForEachWay(Beside(lower, highWays, highFit), [&](std::size_t j) {
        fill(low_ + 1, highWays.ways[j].places, 3);
        visit(places);
      });
    });
  }

  std::size_t Symbol(int column, int place) const {
    return static_cast<std::size_t>(addition_[static_cast<std::size_t>(place)][static_cast<std::size_t>(column)]);
  }

 private:
  enum class Link { None, Same, Different };

  const ColumnWays& Ways(int column) const {
    return WaysOf(SameSymbols(static_cast<int>(Symbol(column, 0)), static_cast<int>(Symbol(column, 1)),
                              static_cast<int>(Symbol(column, 2))),
                  column, relax_);
  }

  // What the state lets each place of a column be.
  std::uint32_t Open(int column) const {
    std::uint32_t open = 0;
    for (int place = 0; place < 3; ++place) open |= PlaceBits(place, state_.candidates[Symbol(column, place)]);
    return open;
  }

  // The ways of a column the state allows.
  WaySet OpenWays(const ColumnWays& ways, int column) const {
    WaySet open = kEveryWay;
    for (std::size_t place = 0; place < 3; ++place) {
      WaySet any{};
      for (Mask m = state_.candidates[Symbol(column, static_cast<int>(place))]; m != 0; m &= m - 1) {
        any |= ways.withDigit[place][static_cast<std::size_t>(Lowest(m))];
      }
      open &= any;
    }
    return open;
  }

  // The ways of the higher column, of those the state allows, that go with
  // a way of the lower one.
  WaySet Beside(const ColumnWay& lower, const ColumnWays& highWays, const WaySet& highFit) const {
    WaySet fit = highFit;
    fit &= highWays.withCarryIn[lower.carryOut];
    for (std::size_t l = 0; l < 3; ++l) {
      const auto digit = static_cast<std::size_t>(Lowest(DigitsAt(lower.places, static_cast<int>(l))));
      for (std::size_t h = 0; h < 3; ++h) {
        if (links_[h][l] == Link::Same) fit &= highWays.withDigit[h][digit];
        if (links_[h][l] == Link::Different) fit = Without(fit, highWays.withDigit[h][digit]);
      }
    }
    return fit;
  }

  // The places' digits over the joined ways of the lower and higher column.
  void Join(std::uint32_t& lowReached, std::uint32_t& highReached) const {
    const ColumnWays& lowWays = Ways(low_);
    const ColumnWays& highWays = Ways(low_ + 1);
    const std::uint32_t lowOpen = Open(low_);
    const std::uint32_t highOpen = Open(low_ + 1);
    const WaySet highFit = OpenWays(highWays, low_ + 1);
    WaySet joinedHigh{};
    ForEachWay(OpenWays(lowWays, low_), [&](std::size_t i) {
      if (lowReached == lowOpen && highReached == highOpen) return;  // every digit left is possible
      const ColumnWay& lower = lowWays.ways[i];
      const WaySet fit = Beside(lower, highWays, highFit);
      if (Empty(fit)) return;
      lowReached |= lower.places;
      ForEachWay(Without(fit, joinedHigh), [&](std::size_t j) { highReached |= highWays.ways[j].places; });
      joinedHigh |= fit;
    });
  }

  const Addition& addition_;
  int low_;
  int count_;
  const State& state_;
  unsigned relax_;
  std::array<std::array<Link, 3>, 3> links_{};
};

}  // namespace

std::array<Mask, 10> ColumnSupports(const BoardShape& shape, int equation, int low, int count, const State& state,
                                    unsigned relax) {
  return clsColumnSearch(shape.additions[static_cast<std::size_t>(equation)], low, count, state, relax).Supports();
}

void ForEachColumnWay(const BoardShape& shape, int equation, int low, int count, const State& state, unsigned relax,
                      const std::function<void(const ColumnPlaces&)>& visit) {
  clsColumnSearch(shape.additions[static_cast<std::size_t>(equation)], low, count, state, relax)
      .ForEachWayThrough(visit);
}

// Each group of `count` columns of the six additions whose search rules
// something out, with what the search lets each of its symbols be, until
// visit answers true. What a group's search found is remembered, and not
// searched for again while it still holds.
template <typename Visit>
void VisitTellingColumns(const State& state, const BoardShape& shape, int count, clsColumnMemory& memory, Visit visit) {
  for (int e = 0; e < 6; ++e) {
    for (int low = 0; low + count <= 3; ++low) {
      const int group = GroupOf(e, low, count);
      const ColumnSymbolList& symbols = ColumnSymbols(shape, e, low, count);
      const std::array<Mask, 10>* recalled = memory.Recall(group, symbols, state);
      const std::array<Mask, 10>& supports =
          recalled != nullptr ? *recalled : memory.Remember(group, state, ColumnSupports(shape, e, low, count, state));
      const bool tells = std::any_of(symbols.begin(), symbols.end(), [&](int s) {
        return (state.candidates[static_cast<std::size_t>(s)] & ~supports[static_cast<std::size_t>(s)]) != 0;
      });
      if (tells && visit(e, low, symbols, supports)) return;
    }
  }
}

std::optional<Deduction> FromColumns(const State& state, const BoardShape& shape, int count, clsColumnMemory& memory) {
  std::optional<Deduction> found;
  VisitTellingColumns(
      state, shape, count, memory,
      [&](int e, int low, const ColumnSymbolList& symbols, const std::array<Mask, 10>& supports) {
        for (int s : symbols) {
          const Mask ruledOut = state.candidates[static_cast<std::size_t>(s)] & ~supports[static_cast<std::size_t>(s)];
          if (ruledOut == 0) continue;
          found = Deduction{{}, count + 1, {}, {}, {}, {}};
          found->reason = {Reason::Kind::Columns, e, low, count, supports[static_cast<std::size_t>(s)], 0};
          for (Mask m = ruledOut; m != 0; m &= m - 1) {
            found->facts.push_back({s, Lowest(m), false});
            found->cells.emplace_back(s, Lowest(m));
          }
          return true;
        }
        return false;
      });
  return found;
}

bool NarrowByColumns(State& state, const BoardShape& shape, int count, clsColumnMemory& memory) {
  bool changed = false;
  VisitTellingColumns(state, shape, count, memory,
                      [&](int, int, const ColumnSymbolList& symbols, const std::array<Mask, 10>& supports) {
                        for (int s : symbols) {
                          state.candidates[static_cast<std::size_t>(s)] &= supports[static_cast<std::size_t>(s)];
                        }
                        changed = true;
                        return false;
                      });
  return changed;
}

}  // namespace glyph::deduction
