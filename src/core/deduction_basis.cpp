// SPDX-License-Identifier: GPL-3.0-or-later
// What a step rests on: the fewest of the grid's marks that still give its
// conclusion, so that a hint can name and frame them; and for a supposition
// the steps its contradiction needs, each with its own marks.
#include <algorithm>

#include "core/deduction_rules.h"

namespace glyph {

using namespace deduction;

namespace {

using Concludes = std::function<bool(const State&)>;

// Whether the step's conclusion follows from a state: the same reasoning,
// with only what the state knows.
Concludes ConclusionOf(const Deduction& step, const BoardShape& shape) {
  const Fact first = step.facts.front();
  const auto s = static_cast<std::size_t>(first.symbol);
  const Reason reason = step.reason;
  switch (reason.kind) {
    case Reason::Kind::OnlyDigit:
      return [=](const State& state) { return (state.candidates[s] & static_cast<Mask>(~Bit(first.digit))) == 0; };
    case Reason::Kind::OnlySymbol:
      return [=](const State& state) {
        for (std::size_t t = 0; t < 10; ++t) {
          if (t != s && (state.candidates[t] & Bit(first.digit))) return false;
        }
        return true;
      };
    case Reason::Kind::Columns:
      return [=, facts = step.facts](const State& state) {
        const std::array<Mask, 10> supports =
            ColumnSupports(shape, reason.equation, reason.lowColumn, reason.columns, state);
        return std::none_of(facts.begin(), facts.end(), [&](const Fact& f) { return supports[s] & Bit(f.digit); });
      };
    default: return {};
  }
}

// Whether a fact can bear on the step at all: the other marks are left out
// before the search for the fewest begins.
bool MayBear(const Fact& fact, const Deduction& step, const BoardShape& shape) {
  if (fact.is) return true;  // a yes mark takes its digit from every other symbol
  const Fact first = step.facts.front();
  switch (step.reason.kind) {
    case Reason::Kind::OnlyDigit: return fact.symbol == first.symbol;
    case Reason::Kind::OnlySymbol: return fact.digit == first.digit;
    default: {
      const Reason& r = step.reason;
      const ColumnSymbolList symbols = ColumnSymbols(shape, r.equation, r.lowColumn, r.columns);
      return std::find(symbols.begin(), symbols.end(), fact.symbol) != symbols.end();
    }
  }
}

// Drops one fact after another, no marks before yes marks (a yes mark says
// the most), as long as the conclusion still follows.
std::vector<Fact> Fewest(std::vector<Fact> kept, const Concludes& concludes) {
  std::stable_partition(kept.begin(), kept.end(), [](const Fact& f) { return !f.is; });
  if (!concludes(StateOfFacts(kept))) return kept;
  for (std::size_t i = 0; i < kept.size();) {
    std::vector<Fact> without = kept;
    without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
    if (concludes(StateOfFacts(without))) {
      kept = std::move(without);
    } else {
      ++i;
    }
  }
  return kept;
}

void SortCells(std::vector<Fact>& facts) {
  std::sort(facts.begin(), facts.end(), [](const Fact& a, const Fact& b) {
    return std::pair{a.symbol, a.digit} < std::pair{b.symbol, b.digit};
  });
  facts.erase(std::unique(facts.begin(), facts.end()), facts.end());
}

// The marks that leave the broken symbol no digit, or the broken digit no symbol.
std::vector<Fact> BasisOfContradiction(const Reason& reason, const std::vector<Fact>& known) {
  const Concludes broken = [reason](const State& state) {
    return WhereBroken(state) == std::pair{reason.brokenSymbol, reason.brokenDigit} && Broken(state);
  };
  std::vector<Fact> bearing;
  for (const Fact& f : known) {
    if (f.is || f.symbol == reason.brokenSymbol || f.digit == reason.brokenDigit) bearing.push_back(f);
  }
  return Fewest(bearing, broken);
}

// The fewest of known a step by rules 1-3 rests on, or every mark for the
// search, in grid order.
std::vector<Fact> BasisOf(const Deduction& step, const BoardShape& shape, const std::vector<Fact>& known) {
  std::vector<Fact> basis;
  if (step.reason.kind == Reason::Kind::Search) {
    basis = known;  // the search reads every mark
  } else {
    for (const Fact& f : known) {
      if (MayBear(f, step, shape)) basis.push_back(f);
    }
    basis = Fewest(basis, ConclusionOf(step, shape));
  }
  SortCells(basis);
  return basis;
}

}  // namespace

void Elaborate(Deduction& deduction, const BoardShape& shape, const std::vector<Fact>& known) {
  if (deduction.facts.empty()) return;
  if (deduction.reason.kind == Reason::Kind::Trial) {
    // Found with its steps and marks (see SliceSupposition); each column
    // step's obstacles follow what the steps before it hold.
    State state = StateOfFacts(known);
    Apply(state, {deduction.facts.front().symbol, deduction.facts.front().digit, true});
    for (Deduction& step : deduction.steps) {
      if (step.reason.kind == Reason::Kind::Columns) step.obstacles = ObstaclesOf(step, shape, state);
      for (const Fact& fact : step.facts) Apply(state, fact);
    }
    return;
  }
  if (deduction.reason.kind == Reason::Kind::Columns) {
    deduction.obstacles = ObstaclesOf(deduction, shape, StateOfFacts(known));
  }
  deduction.because = BasisOf(deduction, shape, known);
}

namespace deduction {

std::vector<Fact> FactsOf(const State& state) {
  Mask declared = 0;
  for (int d : state.declared) {
    if (d >= 0) declared |= Bit(d);
  }
  std::vector<Fact> facts;
  for (int s = 0; s < 10; ++s) {
    const auto symbol = static_cast<std::size_t>(s);
    for (int d = 0; d < 10; ++d) {
      if (state.declared[symbol] == d) facts.push_back({s, d, true});
      const bool said = state.declared[symbol] >= 0 || (declared & Bit(d));  // by a declaration
      if (!said && !(state.candidates[symbol] & Bit(d))) facts.push_back({s, d, false});
    }
  }
  return facts;
}

void SliceSupposition(Deduction& trial, const State& start, const BoardShape& shape) {
  const Fact supposed{trial.facts.front().symbol, trial.facts.front().digit, true};
  const std::vector<Fact> grid = FactsOf(start);
  // What is held before each step, latest first: a step's basis is sought
  // among the earlier steps' facts last found first, so that it rests on
  // the grid and the first steps where it can, and cuts deeper.
  std::vector<Fact> held(grid.rbegin(), grid.rend());
  held.push_back(supposed);
  State state = start;
  Apply(state, supposed);
  clsColumnMemory memory;
  std::vector<Deduction> steps;
  while (!Broken(state)) {
    std::optional<Deduction> step = SimpleStep(state, shape, memory);
    if (!step) break;
    step->because = BasisOf(*step, shape, std::vector<Fact>(held.rbegin(), held.rend()));
    for (const Fact& fact : step->facts) {
      Apply(state, fact);
      held.push_back(fact);
    }
    steps.push_back(std::move(*step));
  }
  // From the contradiction back, each step one of whose facts is needed,
  // and with it what it rests on.
  std::vector<Fact> needed = BasisOfContradiction(trial.reason, std::vector<Fact>(held.rbegin(), held.rend()));
  const auto isNeeded = [&](const Fact& f) { return std::find(needed.begin(), needed.end(), f) != needed.end(); };
  std::vector<bool> kept(steps.size());
  for (std::size_t i = steps.size(); i-- > 0;) {
    kept[i] = std::any_of(steps[i].facts.begin(), steps[i].facts.end(), isNeeded);
    if (kept[i]) needed.insert(needed.end(), steps[i].because.begin(), steps[i].because.end());
  }
  // The kept steps in order, each saying what its columns allow with only
  // the kept steps before it. Where a step left out had ruled out more of
  // a symbol's digits, the step that now says what the symbol can be also
  // rules those out, with what that rests on.
  trial.steps.clear();
  std::vector<Fact> shown = held;
  shown.resize(grid.size() + 1);  // the grid's and the supposition
  State sliced = start;
  Apply(sliced, supposed);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (!kept[i]) continue;
    Deduction& step = steps[i];
    if (step.reason.kind == Reason::Kind::Columns) {
      const Reason& r = step.reason;
      const auto symbol = static_cast<std::size_t>(step.facts.front().symbol);
      step.reason.allowed = ColumnSupports(shape, r.equation, r.lowColumn, r.columns, sliced)[symbol];
      const Mask ruledOut = sliced.candidates[symbol] & static_cast<Mask>(~step.reason.allowed);
      Mask said = 0;
      for (const Fact& fact : step.facts) said |= Bit(fact.digit);
      if (ruledOut != said) {
        step.facts.clear();
        step.cells.clear();
        for (Mask m = ruledOut; m != 0; m &= m - 1) {
          step.facts.push_back({static_cast<int>(symbol), Lowest(m), false});
          step.cells.emplace_back(static_cast<int>(symbol), Lowest(m));
        }
        step.because = BasisOf(step, shape, std::vector<Fact>(shown.rbegin(), shown.rend()));
        needed.insert(needed.end(), step.because.begin(), step.because.end());
      }
    }
    for (const Fact& fact : step.facts) {
      Apply(sliced, fact);
      shown.push_back(fact);
    }
    trial.steps.push_back(std::move(step));
  }
  trial.reason.steps = static_cast<int>(trial.steps.size());
  trial.because.clear();
  for (const Fact& f : grid) {
    if (isNeeded(f)) trial.because.push_back(f);
  }
}

}  // namespace deduction

}  // namespace glyph
