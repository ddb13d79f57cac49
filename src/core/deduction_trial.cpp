// SPDX-License-Identifier: GPL-3.0-or-later
// The deduction engine's hardest rule: a supposition followed through the
// simpler rules to a contradiction, and where none comes, a search of the
// solutions that fit the grid.
#include <algorithm>
#include <functional>

#include "core/deduction_rules.h"
#include "core/solution_counter.h"

namespace glyph::deduction {

namespace {

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

namespace {

// One supposition followed through the simpler rules.
struct Supposition {
  Fact supposed;
  State state;
  clsColumnMemory memory;
  bool stuck = false;
};

std::optional<Deduction> ShortestContradiction(const State& state, const BoardShape& shape,
                                               const clsColumnMemory& memory, int limit) {
  std::vector<Supposition> trials;
  for (int s = 0; s < 10; ++s) {
    if (!shape.onBoard[static_cast<std::size_t>(s)] || state.declared[static_cast<std::size_t>(s)] >= 0) continue;
    for (Mask m = state.candidates[static_cast<std::size_t>(s)]; m != 0; m &= m - 1) {
      trials.push_back({{s, Lowest(m), true}, state, memory, false});
      Apply(trials.back().state, trials.back().supposed);
    }
  }
  // All suppositions advance together, one step a round, and none runs
  // further than the first round in which some break. Each of those is cut
  // down to the steps its contradiction needs, and the one that needs the
  // fewest (the first of equals) is taken: which of them the rules reach
  // first would otherwise follow the symbols' numbers.
  for (int steps = 0; steps <= limit; ++steps) {
    bool anyMoved = false;
    std::optional<Deduction> shortest;
    for (Supposition& trial : trials) {
      if (trial.stuck || !Broken(trial.state)) continue;
      const auto [symbol, digit] = WhereBroken(trial.state);
      const Fact& supposed = trial.supposed;
      Deduction found{{{supposed.symbol, supposed.digit, false}}, 4, {{supposed.symbol, supposed.digit}}, {}, {}, {}};
      found.reason = {Reason::Kind::Trial, 0, 0, 1, 0, steps, symbol, digit};
      SliceSupposition(found, state, shape);
      if (!shortest || found.reason.steps < shortest->reason.steps) shortest = std::move(found);
    }
    if (shortest || steps == limit) return shortest;
    for (Supposition& trial : trials) {
      if (trial.stuck) continue;
      const std::optional<Deduction> step = SimpleStep(trial.state, shape, trial.memory);
      trial.stuck = !step;
      if (!step) continue;
      for (const Fact& fact : step->facts) Apply(trial.state, fact);
      anyMoved = true;
    }
    if (!anyMoved) break;
  }
  return std::nullopt;
}

// The digits of one symbol that no solution fitting the state gives it.
std::optional<Deduction> FromSearch(const State& state, const BoardShape& shape,
                                    const std::vector<SymbolDigits>& solutions) {
  std::vector<SymbolDigits> fitting;
  for (const SymbolDigits& solution : solutions) {
    if (Agrees(solution, state)) fitting.push_back(solution);
  }
  for (int s = 0; s < 10; ++s) {
    if (!shape.onBoard[static_cast<std::size_t>(s)]) continue;
    Mask somewhere = 0;
    for (const SymbolDigits& f : fitting) somewhere |= Bit(f[static_cast<std::size_t>(s)]);
    const Mask ruledOut = state.candidates[static_cast<std::size_t>(s)] & static_cast<Mask>(~somewhere);
    if (ruledOut == 0) continue;
    Deduction found{{}, 4, {}, {Reason::Kind::Search, 0, 0, 1, somewhere}, {}, {}};
    for (Mask m = ruledOut; m != 0; m &= m - 1) {
      found.facts.push_back({s, Lowest(m), false});
      found.cells.emplace_back(s, Lowest(m));
    }
    return found;
  }
  return std::nullopt;
}

}  // namespace

std::size_t CountAgreeing(const std::vector<SymbolDigits>& solutions, const State& state) {
  return static_cast<std::size_t>(
      std::count_if(solutions.begin(), solutions.end(), [&](const SymbolDigits& s) { return Agrees(s, state); }));
}

std::optional<Deduction> FromTrial(const State& state, const BoardShape& shape, const clsColumnMemory& memory,
                                   const std::vector<SymbolDigits>& solutions, int limit, bool search) {
  // The search amounts to reading the answer: only where no supposition works.
  if (std::optional<Deduction> found = ShortestContradiction(state, shape, memory, limit)) return found;
  if (!search) return std::nullopt;
  return FromSearch(state, shape, solutions);
}

}  // namespace glyph::deduction
