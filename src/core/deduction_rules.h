#pragma once

// The deduction engine's own parts, shared by its two files: deduction.cpp
// (the simple rules, the chain, hints and checks) and deduction_trial.cpp
// (suppositions followed to a contradiction, and the search of the
// solutions). Nothing outside the engine uses them.
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/deduction.h"

namespace glyph::deduction {

using Mask = std::uint16_t;
constexpr Mask kAllDigits = 0x3FF;
// A trial whose contradiction takes more facts than this makes a puzzle expert.
constexpr int kShortTrial = 15;
// A trial gives up after this many facts without a contradiction, and all
// trials of one hint together after kTrialBudget.
constexpr int kTrialLimit = 60;
constexpr int kTrialBudget = 4000;

constexpr Mask Bit(int d) { return static_cast<Mask>(1u << d); }
inline int Lowest(Mask m) { return std::countr_zero(m); }

// What is known of each symbol: the digits it can still be, and the digit
// declared for it (-1 while none). Every symbol is a different digit.
struct State {
  std::array<Mask, 10> candidates{};
  std::array<int, 10> declared{};
};

State EmptyState();
// Writes a fact into the state: "is" declares the digit and takes it from
// every other symbol; "is not" rules it out.
void Apply(State& state, const Fact& fact);
// A symbol with no digit left, or a digit no symbol can be.
bool Broken(const State& state);

// Rule 1: a symbol with a single digit left, or a digit with a single
// symbol left, that is not declared yet.
std::optional<Deduction> OnlyDigitOrSymbol(const State& state);

// Remembers the column groups that ruled nothing out, with what their
// symbols could be then: while that stays the same, searching them again
// cannot find more.
class clsQuietColumns {
 public:
  bool StillQuiet(int group, const std::vector<int>& symbols, const State& state) const {
    if (!known_[static_cast<std::size_t>(group)]) return false;
    for (int s : symbols) {
      if (seen_[static_cast<std::size_t>(group)][static_cast<std::size_t>(s)] !=
          state.candidates[static_cast<std::size_t>(s)]) {
        return false;
      }
    }
    return true;
  }
  void Remember(int group, const State& state) {
    known_[static_cast<std::size_t>(group)] = true;
    seen_[static_cast<std::size_t>(group)] = state.candidates;
  }

 private:
  std::array<bool, 30> known_{};
  std::array<std::array<Mask, 10>, 30> seen_{};
};

// Rule 2 (count 1) or rule 3 (count 2): a digit no way through the columns
// gives a symbol is ruled out. all collects every such fact instead of the first.
std::optional<Deduction> FromColumns(const State& state, const BoardShape& shape, int count,
                                     clsQuietColumns* quiet = nullptr, std::vector<Fact>* all = nullptr);

// Which digit each symbol takes in one solution (-1 off the board).
using SymbolDigits = std::array<int, 10>;
std::vector<SymbolDigits> SolutionsOf(const clsPuzzle& puzzle);
// True when some solution agrees with the state.
bool AnyAgrees(const std::vector<SymbolDigits>& solutions, const State& state);

// Rule 4: suppose a symbol is a digit and follow rules 1-3 to a
// contradiction; the shortest one wins. Where no supposition fails that way
// and search is set, a search of the solutions that fit the state settles it.
std::optional<Deduction> FromTrial(const State& state, const BoardShape& shape,
                                   const std::vector<SymbolDigits>& solutions, int limit, bool search);

}  // namespace glyph::deduction
