// SPDX-License-Identifier: GPL-3.0-or-later
// The column rules (rules 2 and 3): every way to give digits to the symbols
// of one or two neighbouring columns of a sum, and the digits no way gives.
#include <algorithm>

#include "core/deduction_rules.h"

namespace glyph::deduction {

namespace {

using Addition = BoardShape::Addition;

ColumnSymbolList SymbolsOf(const Addition& addition, int low, int count) {
  ColumnSymbolList list;
  for (int c = low + count - 1; c >= low; --c) {
    for (std::size_t role = 0; role < 3; ++role) {
      const int s = addition[role][static_cast<std::size_t>(c)];
      if (std::find(list.begin(), list.end(), s) == list.end())
        list.symbols[static_cast<std::size_t>(list.count++)] = s;
    }
  }
  return list;
}

// Every way to give digits to the symbols of one or two neighbouring columns
// of an addition, carries included: the digits each symbol takes in some way.
class clsColumnSearch {
 public:
  clsColumnSearch(const Addition& addition, int low, int count, const State& state)
      : addition_(addition),
        low_(low),
        high_(low + count - 1),
        state_(state),
        symbols_(SymbolsOf(addition, low, count)) {
    assigned_.fill(-1);
    unsupported_ = symbols_.count;
  }

  std::array<Mask, 10> Supports() {
    supports_.fill(0);
    Column(low_, 0);
    if (low_ > 0) Column(low_, 1);  // above the ones a carry may come in
    return supports_;
  }

 private:
  void Column(int c, int carryIn) {
    if (unsupported_ == 0) return;  // every digit left is possible: nothing to rule out
    if (c > high_) {
      for (int symbol : symbols_) {
        const auto s = static_cast<std::size_t>(symbol);
        const Mask before = supports_[s];
        supports_[s] |= Bit(assigned_[s]);
        if (before != supports_[s] && supports_[s] == state_.candidates[s]) --unsupported_;
      }
      return;
    }
    const auto column = static_cast<std::size_t>(c);
    const int x = addition_[0][column];
    const int y = addition_[1][column];
    const int z = addition_[2][column];
    ForEachDigit(x, [&](int dx) {
      ForEachDigit(y, [&](int dy) {
        const int sum = dx + dy + carryIn;
        if (c == 2 && sum >= 10) return;  // the result has three digits
        const int dz = sum % 10;
        const auto zs = static_cast<std::size_t>(z);
        if (assigned_[zs] >= 0) {
          if (assigned_[zs] == dz) Column(c + 1, sum / 10);
        } else if (state_.candidates[zs] & static_cast<Mask>(~used_) & Bit(dz)) {
          assigned_[zs] = dz;
          used_ |= Bit(dz);
          Column(c + 1, sum / 10);
          used_ &= static_cast<Mask>(~Bit(dz));
          assigned_[zs] = -1;
        }
      });
    });
  }

  template <typename Visit>
  void ForEachDigit(int symbol, const Visit& visit) {
    const auto s = static_cast<std::size_t>(symbol);
    if (assigned_[s] >= 0) return visit(assigned_[s]);
    for (Mask left = state_.candidates[s] & static_cast<Mask>(~used_); left != 0 && unsupported_ > 0;
         left &= left - 1) {
      const int d = Lowest(left);
      assigned_[s] = d;
      used_ |= Bit(d);
      visit(d);
      used_ &= static_cast<Mask>(~Bit(d));
    }
    assigned_[s] = -1;
  }

  const Addition& addition_;
  int low_;
  int high_;
  const State& state_;
  ColumnSymbolList symbols_;
  int unsupported_ = 0;  // symbols with a digit left that no way has given them yet
  std::array<int, 10> assigned_{};
  Mask used_ = 0;
  std::array<Mask, 10> supports_{};
};

}  // namespace

std::array<Mask, 10> ColumnSupports(const BoardShape& shape, int equation, int low, int count, const State& state) {
  return clsColumnSearch(shape.additions[static_cast<std::size_t>(equation)], low, count, state).Supports();
}

ColumnSymbolList ColumnSymbols(const BoardShape& shape, int equation, int low, int count) {
  return SymbolsOf(shape.additions[static_cast<std::size_t>(equation)], low, count);
}

// Each group of `count` columns of the six additions whose search rules
// something out, with what the search lets each of its symbols be, until
// visit answers true. A group that rules nothing out is remembered as quiet
// and not searched again until its symbols' candidates change.
template <typename Visit>
void VisitTellingColumns(const State& state, const BoardShape& shape, int count, clsQuietColumns& quiet, Visit visit) {
  for (int e = 0; e < 6; ++e) {
    for (int low = 0; low + count <= 3; ++low) {
      const int group = 5 * e + (count == 1 ? low : 3 + low);
      const ColumnSymbolList symbols = ColumnSymbols(shape, e, low, count);
      if (quiet.StillQuiet(group, symbols, state)) continue;
      const std::array<Mask, 10> supports = ColumnSupports(shape, e, low, count, state);
      const bool tells = std::any_of(symbols.begin(), symbols.end(), [&](int s) {
        return (state.candidates[static_cast<std::size_t>(s)] & ~supports[static_cast<std::size_t>(s)]) != 0;
      });
      if (!tells) {
        quiet.Remember(group, state);
      } else if (visit(e, low, symbols, supports)) {
        return;
      }
    }
  }
}

std::optional<Deduction> FromColumns(const State& state, const BoardShape& shape, int count, clsQuietColumns& quiet) {
  std::optional<Deduction> found;
  VisitTellingColumns(
      state, shape, count, quiet,
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

bool NarrowByColumns(State& state, const BoardShape& shape, int count, clsQuietColumns& quiet) {
  bool changed = false;
  VisitTellingColumns(state, shape, count, quiet,
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
