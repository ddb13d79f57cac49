// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The deduction engine's own parts, shared by its files: deduction.cpp
// (rule 1, the chain, hints, checks and rated draws), deduction_columns.cpp
// (the column rules), deduction_trial.cpp (suppositions followed to a
// contradiction, and the search of the solutions), deduction_basis.cpp
// (what a step rests on, and the steps a supposition needs) and
// deduction_obstacles.cpp (what besides the arithmetic rules a column's
// digits out). Nothing outside the engine uses them.
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/deduction.h"

namespace glyph::deduction {

using Mask = std::uint16_t;
constexpr Mask kAllDigits = 0x3FF;
// A supposition whose contradiction needs more steps than this makes a
// puzzle expert.
constexpr int kShortTrial = 15;
// A supposition gives up after this many steps without a contradiction. Each
// step settles at least one of the hundred cells, so none is cut short.
constexpr int kTrialLimit = 100;

constexpr Mask Bit(int d) { return static_cast<Mask>(1u << d); }
inline int Lowest(Mask m) { return std::countr_zero(m); }

// What is known of each symbol: the digits it can still be, and the digit
// declared for it (-1 while none). Every symbol is a different digit.
struct State {
  std::array<Mask, 10> candidates{};
  std::array<int, 10> declared{};
};

State EmptyState();
State StateOfFacts(const std::vector<Fact>& facts);
// Writes a fact into the state: "is" declares the digit and takes it from
// every other symbol; "is not" rules it out.
void Apply(State& state, const Fact& fact);
// A symbol with no digit left, or a digit no symbol can be.
bool Broken(const State& state);

// Rule 1: a symbol with a single digit left, or a digit with a single
// symbol left, that is not declared yet.
std::optional<Deduction> OnlyDigitOrSymbol(const State& state);

// The index of a group of `count` columns from `low` of an equation, 0..29.
constexpr int GroupOf(int equation, int low, int count) { return 5 * equation + (count == 1 ? low : 3 + low); }

// Remembers what each column group's last search found: what its symbols
// could be then, and the digits its ways gave them. Taking from a symbol
// only digits no way gave leaves the ways as they were, so while every
// symbol of the group lies between the two, the search would find the same;
// for a group that ruled nothing out (a memory one) that means unchanged.
class clsColumnMemory {
 public:
  const std::array<Mask, 10>* Recall(int group, const ColumnSymbolList& symbols, const State& state) const {
    const auto g = static_cast<std::size_t>(group);
    if (!known_[g]) return nullptr;
    for (int symbol : symbols) {
      const auto s = static_cast<std::size_t>(symbol);
      const Mask now = state.candidates[s];
      if ((now & ~seen_[g][s]) != 0 || (supports_[g][s] & ~now) != 0) return nullptr;
    }
    return &supports_[g];
  }
  const std::array<Mask, 10>& Remember(int group, const State& state, const std::array<Mask, 10>& supports) {
    const auto g = static_cast<std::size_t>(group);
    known_[g] = true;
    seen_[g] = state.candidates;
    return supports_[g] = supports;
  }

 private:
  std::array<bool, 30> known_{};
  std::array<std::array<Mask, 10>, 30> seen_{};
  std::array<std::array<Mask, 10>, 30> supports_{};
};

// Rule 2 (count 1) or rule 3 (count 2): the digits no way through the
// columns gives a symbol are ruled out, all of them in one step.
std::optional<Deduction> FromColumns(const State& state, const BoardShape& shape, int count, clsColumnMemory& memory);

// One way through one or two columns: the symbol and digit of each place,
// the lower column's X, Y and Z first (three places, or six).
struct ColumnPlaces {
  std::array<std::pair<int, int>, 6> places{};
  int count = 3;
};
// Every way through one or two neighbouring columns of an equation, one at
// a time, with or without a relaxed rule.
void ForEachColumnWay(const BoardShape& shape, int equation, int low, int count, const State& state, unsigned relax,
                      const std::function<void(const ColumnPlaces&)>& visit);

// Why a column step rules out the digits it does where the arithmetic alone
// would allow them: what it takes from the relaxed column rules, in the
// state the step was found in.
std::vector<Obstacle> ObstaclesOf(const Deduction& step, const BoardShape& shape, const State& state);

// Narrows every symbol to what each telling group of `count` columns lets
// it be, all groups in one sweep; whether anything changed.
bool NarrowByColumns(State& state, const BoardShape& shape, int count, clsColumnMemory& memory);

// The next step by rules 1-3, if any.
std::optional<Deduction> SimpleStep(const State& state, const BoardShape& shape, clsColumnMemory& memory);

// The digits each symbol takes in some way through one or two neighbouring
// columns of an equation (carries included). An explanation asks what a
// digit would need by relaxing one of the column's rules.
enum ColumnRelax : unsigned {
  kAsIs = 0,
  kDifferentMayShare = 1,  // different symbols may take the same digit
  kSameMayDiffer = 2,      // one symbol may take a different digit in each place
  kEdgeCarries = 4,        // a carry may come into the ones, or go out of the hundreds
};
std::array<Mask, 10> ColumnSupports(const BoardShape& shape, int equation, int low, int count, const State& state,
                                    unsigned relax = kAsIs);
inline const ColumnSymbolList& ColumnSymbols(const BoardShape& shape, int equation, int low, int count) {
  return shape.groups[static_cast<std::size_t>(GroupOf(equation, low, count))];
}

// Which digit each symbol takes in one solution (-1 off the board).
using SymbolDigits = std::array<int, 10>;
std::vector<SymbolDigits> SolutionsOf(const clsPuzzle& puzzle);
// True when some solution agrees with the state; how many do.
bool AnyAgrees(const std::vector<SymbolDigits>& solutions, const State& state);
std::size_t CountAgreeing(const std::vector<SymbolDigits>& solutions, const State& state);

// Rule 4: suppose a symbol is a digit and follow rules 1-3 to a
// contradiction; every supposition advances one step at a time, so the
// shortest contradiction wins. Where none comes within limit steps and
// search is set, a search of the solutions that fit the state settles it.
// Each supposition starts from what memory remembers of the state's groups.
std::optional<Deduction> FromTrial(const State& state, const BoardShape& shape, const clsColumnMemory& memory,
                                   const std::vector<SymbolDigits>& solutions, int limit, bool search);

// Where a broken state breaks: a symbol with no digit left, or else a digit
// no symbol can be; -1 for the other.
std::pair<int, int> WhereBroken(const State& state);

// The facts a state holds, in grid order, each said once: a declared digit
// as "is", and every other digit a symbol cannot be as "is not", unless a
// declaration already says it.
std::vector<Fact> FactsOf(const State& state);

// Cuts a supposition found from a state down to what its contradiction rests
// on: follows its steps again, finds the facts each rests on (the grid's,
// the supposition, earlier steps'), and from the contradiction back keeps
// only the steps whose facts are needed, in order. Sets its steps, their
// count and the grid's facts it rests on (as FactsOf says them).
void SliceSupposition(Deduction& supposition, const State& state, const BoardShape& shape);

}  // namespace glyph::deduction
