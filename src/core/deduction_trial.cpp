// The deduction engine's hardest rule: a supposition followed through the
// simpler rules to a contradiction, and where none comes, a search of the
// solutions that fit the grid.
#include <algorithm>
#include <functional>

#include "core/deduction_rules.h"
#include "core/solution_counter.h"

namespace glyph::deduction {

namespace {

// Follows rules 1-3 from a state; the number of facts it took to reach a
// contradiction, or -1 when none came within the limit.
// used says how many facts were followed either way.
int StepsToContradiction(State state, const BoardShape& shape, int limit, int& used) {
  int& steps = used;
  steps = 0;
  clsQuietColumns quiet;
  while (steps <= limit) {
    if (Broken(state)) return steps;
    if (std::optional<Deduction> single = OnlyDigitOrSymbol(state)) {
      Apply(state, single->fact);
      ++steps;
      continue;
    }
    std::vector<Fact> facts;
    FromColumns(state, shape, 1, &quiet, &facts);
    if (facts.empty()) FromColumns(state, shape, 2, &quiet, &facts);
    if (facts.empty()) return -1;
    for (const Fact& fact : facts) Apply(state, fact);
    steps += static_cast<int>(facts.size());
  }
  return -1;
}

// A solution agrees with a state when each symbol on the board has a digit
// the state allows, and the symbols off the board can share out the unused
// digits within what the state allows them.
bool Agrees(const SymbolDigits& solution, const State& state) {
  Mask unused = kAllDigits;
  std::vector<std::size_t> offBoard;
  for (std::size_t s = 0; s < 10; ++s) {
    if (solution[s] < 0) {
      offBoard.push_back(s);
      continue;
    }
    if (!(state.candidates[s] & Bit(solution[s]))) return false;
    unused &= static_cast<Mask>(~Bit(solution[s]));
  }
  const std::function<bool(std::size_t, Mask)> match = [&](std::size_t i, Mask left) {
    if (i == offBoard.size()) return true;
    for (Mask m = state.candidates[offBoard[i]] & left; m != 0; m &= m - 1) {
      if (match(i + 1, left & static_cast<Mask>(~Bit(Lowest(m))))) return true;
    }
    return false;
  };
  return match(0, unused);
}

}  // namespace

std::vector<SymbolDigits> SolutionsOf(const clsPuzzle& puzzle) {
  std::vector<SymbolDigits> solutions;
  ForEachSolution(puzzle, [&](const DigitAssignment& byTrueDigit) {
    SymbolDigits digits;
    digits.fill(-1);
    for (int t = 0; t < 10; ++t) {
      const int symbol = puzzle.Symbols(t);
      if (symbol >= 0 && symbol < 10)
        digits[static_cast<std::size_t>(symbol)] = byTrueDigit[static_cast<std::size_t>(t)];
    }
    solutions.push_back(digits);
  });
  return solutions;
}

bool AnyAgrees(const std::vector<SymbolDigits>& solutions, const State& state) {
  return std::any_of(solutions.begin(), solutions.end(), [&](const SymbolDigits& s) { return Agrees(s, state); });
}

std::optional<Deduction> FromTrial(const State& state, const BoardShape& shape,
                                   const std::vector<SymbolDigits>& solutions, int limit, bool search) {
  // Short contradictions are looked for first, and every supposition of one
  // hint together follows a bounded number of facts: a hint stays quick, and
  // what the budget does not reach the search settles.
  std::optional<Deduction> best;
  int budget = kTrialBudget;
  for (const int round : {3, 8, kShortTrial, kTrialLimit}) {
    const int cap = std::min(round, limit);
    for (int s = 0; s < 10 && budget > 0; ++s) {
      if (!shape.onBoard[static_cast<std::size_t>(s)] || state.declared[static_cast<std::size_t>(s)] >= 0) continue;
      for (Mask m = state.candidates[static_cast<std::size_t>(s)]; m != 0 && budget > 0; m &= m - 1) {
        State trial = state;
        Apply(trial, {s, Lowest(m), true});
        int used = 0;
        const int steps = StepsToContradiction(trial, shape, best ? best->reason.steps - 1 : cap, used);
        budget -= used;
        if (steps < 0) continue;
        best = Deduction{{s, Lowest(m), false}, 4, {{s, Lowest(m)}}, {Reason::Kind::Trial, 0, 0, 1, 0, steps}};
      }
    }
    if (best || budget <= 0 || cap == limit) break;
  }
  if (best || !search) return best;
  std::vector<SymbolDigits> fitting;
  for (const SymbolDigits& solution : solutions) {
    if (Agrees(solution, state)) fitting.push_back(solution);
  }
  for (int s = 0; s < 10; ++s) {
    if (!shape.onBoard[static_cast<std::size_t>(s)]) continue;
    for (Mask m = state.candidates[static_cast<std::size_t>(s)]; m != 0; m &= m - 1) {
      const int d = Lowest(m);
      const bool somewhere = std::any_of(fitting.begin(), fitting.end(),
                                         [&](const SymbolDigits& f) { return f[static_cast<std::size_t>(s)] == d; });
      if (!somewhere) {
        return Deduction{
            {s, d, false}, 4, {{s, d}}, {Reason::Kind::Search, 0, 0, 1, 0, static_cast<int>(fitting.size())}};
      }
    }
  }
  return std::nullopt;
}

}  // namespace glyph::deduction
