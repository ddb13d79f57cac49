// SPDX-License-Identifier: GPL-3.0-or-later
// What a step rests on: the fewest of the grid's marks that still give its
// conclusion, so that a hint can name and frame them, and for a supposition
// the steps it follows, each with its own marks.
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

void ElaborateTrial(Deduction& trial, const BoardShape& shape, const std::vector<Fact>& known) {
  const Fact supposed{trial.facts.front().symbol, trial.facts.front().digit, true};
  std::vector<Fact> held = known;
  held.push_back(supposed);
  State state = StateOfFacts(held);
  clsColumnMemory memory;
  std::vector<Fact> basis;
  const auto fromTheGrid = [&](const std::vector<Fact>& facts) {
    for (const Fact& f : facts) {
      if (std::find(known.begin(), known.end(), f) != known.end()) basis.push_back(f);
    }
  };
  trial.steps.clear();
  while (!Broken(state) && static_cast<int>(trial.steps.size()) < trial.reason.steps) {
    std::optional<Deduction> step = SimpleStep(state, shape, memory);
    if (!step) break;
    Elaborate(*step, shape, held);
    fromTheGrid(step->because);
    for (const Fact& fact : step->facts) {
      Apply(state, fact);
      held.push_back(fact);
    }
    trial.steps.push_back(std::move(*step));
  }
  fromTheGrid(BasisOfContradiction(trial.reason, held));
  SortCells(basis);
  trial.because = basis;
}

}  // namespace

void Elaborate(Deduction& deduction, const BoardShape& shape, const std::vector<Fact>& known) {
  if (deduction.facts.empty()) return;
  if (deduction.reason.kind == Reason::Kind::Trial) return ElaborateTrial(deduction, shape, known);
  if (deduction.reason.kind == Reason::Kind::Search) {
    deduction.because = known;  // the search reads every mark
  } else {
    std::vector<Fact> bearing;
    for (const Fact& f : known) {
      if (MayBear(f, deduction, shape)) bearing.push_back(f);
    }
    deduction.because = Fewest(bearing, ConclusionOf(deduction, shape));
  }
  SortCells(deduction.because);
}

}  // namespace glyph
