// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/deduction.h"

#include <algorithm>
#include <bit>

#include "core/deduction_rules.h"
#include "core/expert_bank.h"
#include "core/solution_counter.h"

namespace glyph {

using namespace deduction;

namespace deduction {

State EmptyState() {
  State state;
  state.candidates.fill(kAllDigits);
  state.declared.fill(-1);
  return state;
}

State StateOfFacts(const std::vector<Fact>& facts) {
  State state = EmptyState();
  for (const Fact& fact : facts) Apply(state, fact);
  return state;
}

void Apply(State& state, const Fact& fact) {
  const auto s = static_cast<std::size_t>(fact.symbol);
  if (!fact.is) {
    state.candidates[s] &= static_cast<Mask>(~Bit(fact.digit));
    return;
  }
  for (Mask& other : state.candidates) other &= static_cast<Mask>(~Bit(fact.digit));
  state.candidates[s] = Bit(fact.digit);
  state.declared[s] = fact.digit;
}

// A symbol with no digit left, or a digit no symbol can be.
bool Broken(const State& state) {
  Mask covered = 0;
  for (Mask m : state.candidates) {
    if (m == 0) return true;
    covered |= m;
  }
  return covered != kAllDigits;
}

std::pair<int, int> WhereBroken(const State& state) {
  Mask covered = 0;
  for (int s = 0; s < 10; ++s) {
    if (state.candidates[static_cast<std::size_t>(s)] == 0) return {s, -1};
    covered |= state.candidates[static_cast<std::size_t>(s)];
  }
  return {-1, Lowest(static_cast<Mask>(~covered & kAllDigits))};
}

}  // namespace deduction

namespace {

bool AllOnBoardDeclared(const State& state, const BoardShape& shape) {
  for (std::size_t s = 0; s < 10; ++s) {
    if (shape.onBoard[s] && state.declared[s] < 0) return false;
  }
  return true;
}

// An equation as its addition (see AdditionOperands), symbols per column.
using Addition = BoardShape::Addition;

Addition AdditionOf(const BoardShape& shape, int e) {
  const std::array<int, 3> operands =
      AdditionOperands(kPuzzleEquations[static_cast<std::size_t>(e)], shape.adds[static_cast<std::size_t>(e)]);
  Addition addition{};
  for (std::size_t role = 0; role < 3; ++role) {
    addition[role] = shape.symbolAt[static_cast<std::size_t>(operands[role] - 1)];
  }
  return addition;
}

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

}  // namespace

namespace deduction {

std::optional<Deduction> OnlyDigitOrSymbol(const State& state) {
  for (int s = 0; s < 10; ++s) {
    const Mask m = state.candidates[static_cast<std::size_t>(s)];
    if (m != 0 && (m & (m - 1)) == 0 && state.declared[static_cast<std::size_t>(s)] != Lowest(m)) {
      Deduction found{{{s, Lowest(m), true}}, 1, {}, {Reason::Kind::OnlyDigit}, {}, {}};
      for (int d = 0; d < 10; ++d) found.cells.emplace_back(s, d);
      return found;
    }
  }
  // The digits exactly one symbol can be: seen once, never twice.
  Mask once = 0;
  Mask twice = 0;
  for (Mask m : state.candidates) {
    twice |= once & m;
    once |= m;
  }
  for (Mask single = once & static_cast<Mask>(~twice); single != 0; single &= single - 1) {
    const int d = Lowest(single);
    int only = 0;
    while (!(state.candidates[static_cast<std::size_t>(only)] & Bit(d))) ++only;
    if (state.declared[static_cast<std::size_t>(only)] != d) {
      Deduction found{{{only, d, true}}, 1, {}, {Reason::Kind::OnlySymbol}, {}, {}};
      for (int s = 0; s < 10; ++s) found.cells.emplace_back(s, d);
      return found;
    }
  }
  return std::nullopt;
}

std::optional<Deduction> SimpleStep(const State& state, const BoardShape& shape, clsColumnMemory& memory) {
  if (std::optional<Deduction> found = OnlyDigitOrSymbol(state)) return found;
  if (std::optional<Deduction> found = FromColumns(state, shape, 1, memory)) return found;
  return FromColumns(state, shape, 2, memory);
}

}  // namespace deduction

namespace {

// The next step by the simplest rule. A rating that needs no more than to
// know whether a puzzle is at most hard searches nothing.
std::optional<Deduction> NextStep(const State& state, const BoardShape& shape,
                                  const std::vector<SymbolDigits>& solutions, clsColumnMemory& memory,
                                  int trialLimit = kTrialLimit, bool search = true) {
  if (std::optional<Deduction> found = SimpleStep(state, shape, memory)) return found;
  return FromTrial(state, shape, memory, solutions, trialLimit, search);
}

Difficulty LevelOf(const Deduction& step) {
  if (step.reason.kind == Reason::Kind::Search ||
      (step.reason.kind == Reason::Kind::Trial && step.reason.steps > kShortTrial)) {
    return Difficulty::Expert;
  }
  return step.rule <= 2 ? Difficulty::Easy : step.rule == 3 ? Difficulty::Medium : Difficulty::Hard;
}

// The chain, stopped early once its rating passes the ceiling. Below Expert
// nothing is searched, so the solutions are not needed: a chain that gets
// stuck is then expert (or has several solutions), as the whole chain would
// rate it, since a puzzle with one solution always finishes with the search.
// Below Hard a supposition is not followed beyond its first state: any
// supposition makes the chain too hard.
Chain BuildChain(const clsPuzzle& puzzle, Difficulty ceiling) {
  const BoardShape shape = ShapeOf(puzzle);
  const bool toTheEnd = ceiling >= Difficulty::Expert;
  const int trialLimit = ceiling >= Difficulty::Hard ? kTrialLimit : 0;
  const std::vector<SymbolDigits> solutions = toTheEnd ? SolutionsOf(puzzle) : std::vector<SymbolDigits>{};
  Chain chain;
  State state = EmptyState();
  clsColumnMemory memory;
  while (!AllOnBoardDeclared(state, shape)) {
    std::optional<Deduction> next = NextStep(state, shape, solutions, memory, trialLimit, toTheEnd);
    if (!next) {
      if (!toTheEnd) chain.rating = Difficulty::Expert;
      break;
    }
    for (const Fact& fact : next->facts) Apply(state, fact);
    chain.rating = std::max(chain.rating, LevelOf(*next));
    chain.steps.push_back(std::move(*next));
    if (chain.rating > ceiling) break;
  }
  chain.complete = AllOnBoardDeclared(state, shape);
  if (toTheEnd && solutions.size() != 1) chain.rating = Difficulty::Several;
  return chain;
}

// Whether rule 1 and the column rules up to the given width (1 or 2
// columns) make every symbol on the board known, going on from a state and
// leaving it where they end. The rules only ever add knowledge, so where
// they end does not depend on their order: sweeping every column group and
// taking all it gives at once gets there with far fewer searches than the
// chain's one step at a time.
bool ClosesWithSimpleRules(State& state, const BoardShape& shape, int widest) {
  clsColumnMemory memory;
  for (bool changed = true; changed && !AllOnBoardDeclared(state, shape);) {
    changed = false;
    while (std::optional<Deduction> single = OnlyDigitOrSymbol(state)) {
      Apply(state, single->facts.front());
      changed = true;
    }
    for (int count = 1; count <= widest; ++count) changed = NarrowByColumns(state, shape, count, memory) || changed;
  }
  return AllOnBoardDeclared(state, shape);
}

// The rating a draw needs to know: exactly at the wanted level, and
// elsewhere only whether it is lower or higher. Most draws are easy or
// medium, and a sweep of the simpler rules turns them away at once; a
// puzzle that needs more is counted before its suppositions are followed,
// since one with several solutions would follow them to no end.
Difficulty DrawRating(const clsPuzzle& puzzle, Difficulty wanted) {
  if (wanted >= Difficulty::Medium) {
    const BoardShape shape = ShapeOf(puzzle);
    State state = EmptyState();
    if (ClosesWithSimpleRules(state, shape, 1)) return Difficulty::Easy;
    if (ClosesWithSimpleRules(state, shape, 2)) return Difficulty::Medium;
    if (wanted == Difficulty::Medium) return Difficulty::Hard;  // or higher
    if (CountSolutions(puzzle) != 1) return Difficulty::Several;
  }
  return BuildChain(puzzle, std::min(wanted, Difficulty::Hard)).rating;
}

}  // namespace

BoardShape ShapeOf(const clsPuzzle& puzzle) {
  BoardShape shape;
  for (int k = 1; k <= 9; ++k) {
    for (int place = 0; place < 3; ++place) {
      const int symbol = puzzle.Symbols(DigitAt(puzzle.Number(k), place));
      shape.symbolAt[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(place)] = symbol;
      shape.onBoard[static_cast<std::size_t>(symbol)] = true;
    }
  }
  for (std::size_t e = 0; e < 6; ++e) {
    const PuzzleEquation& eq = kPuzzleEquations[e];
    shape.adds[e] = (eq.isRow ? puzzle.OpVert(eq.line) : puzzle.OpHorz(eq.line)) == kOpAdd;
  }
  for (int e = 0; e < 6; ++e) {
    shape.additions[static_cast<std::size_t>(e)] = AdditionOf(shape, e);
    for (int count = 1; count <= 2; ++count) {
      for (int low = 0; low + count <= 3; ++low) {
        shape.groups[static_cast<std::size_t>(GroupOf(e, low, count))] =
            SymbolsOf(shape.additions[static_cast<std::size_t>(e)], low, count);
      }
    }
  }
  return shape;
}

std::vector<Fact> MarksOf(const clsSolveStatus& grid) {
  std::vector<Fact> marks;
  for (int s = 0; s < 10; ++s) {
    for (int d = 0; d < 10; ++d) {
      const int value = grid.Status(s, d);
      if (value == kCellYes) marks.push_back({s, d, true});
      if (value == kCellNo || value == kCellGreyedNo) marks.push_back({s, d, false});
    }
  }
  return marks;
}

namespace {

std::optional<std::pair<int, int>> WrongMark(const std::vector<SymbolDigits>& solutions,
                                             const std::vector<Fact>& marks) {
  if (solutions.empty() || AnyAgrees(solutions, StateOfFacts(marks))) return std::nullopt;
  for (const Fact& mark : marks) {
    if (!AnyAgrees(solutions, StateOfFacts({mark}))) return std::pair{mark.symbol, mark.digit};
  }
  std::vector<Fact> run;
  for (const Fact& mark : marks) {
    run.push_back(mark);
    if (!AnyAgrees(solutions, StateOfFacts(run))) return std::pair{mark.symbol, mark.digit};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::pair<int, int>> FirstWrongMark(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  return WrongMark(SolutionsOf(puzzle), MarksOf(grid));
}

HintResult NextHint(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  HintResult result;
  const std::vector<SymbolDigits> solutions = SolutionsOf(puzzle);
  const std::vector<Fact> marks = MarksOf(grid);
  result.contradiction = WrongMark(solutions, marks);
  if (result.contradiction) return result;
  const BoardShape shape = ShapeOf(puzzle);
  const State state = StateOfFacts(marks);
  result.solved = AllOnBoardDeclared(state, shape);
  clsColumnMemory memory;
  if (!result.solved) result.deduction = NextStep(state, shape, solutions, memory);
  result.fitting = CountAgreeing(solutions, state);
  return result;
}

Chain SolveChain(const clsPuzzle& puzzle) { return BuildChain(puzzle, Difficulty::Expert); }

Difficulty RatePuzzle(const clsPuzzle& puzzle) { return SolveChain(puzzle).rating; }

Difficulty MakeRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted) {
  if (wanted == Difficulty::Any) {
    puzzle.MakePuzzle(random);
  } else if (wanted == Difficulty::Expert) {
    // The rating follows the chain, and the chain's choice among equally
    // short steps follows the symbols' numbers: a few squares are not expert
    // under every symbol table, so each draw is rated again.
    do {
      DrawFromExpertBank(puzzle, random);
    } while (DrawRating(puzzle, wanted) != wanted);
  } else {
    SearchRatedPuzzle(puzzle, random, wanted);
  }
  return wanted;
}

void SearchRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted) {
  do {
    puzzle.MakePuzzle(random);
  } while (DrawRating(puzzle, wanted) != wanted);
}

const char* DifficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Any: return "any";
    case Difficulty::Easy: return "easy";
    case Difficulty::Medium: return "medium";
    case Difficulty::Hard: return "hard";
    case Difficulty::Expert: return "expert";
    case Difficulty::Several: return "several";
  }
  return "any";
}

std::optional<Difficulty> DifficultyFromName(const std::string& name) {
  for (Difficulty d : {Difficulty::Any, Difficulty::Easy, Difficulty::Medium, Difficulty::Hard, Difficulty::Expert}) {
    if (name == DifficultyName(d)) return d;
  }
  return std::nullopt;
}

void ApplyFact(clsSolveStatus& grid, const Fact& fact) {
  if (fact.is) {
    grid.SetStatus(fact.symbol, fact.digit, kCellYes);
  } else if (grid.Status(fact.symbol, fact.digit) == kCellOpen) {
    grid.SetStatus(fact.symbol, fact.digit, kCellNo);
  }
}

void ApplyFacts(clsSolveStatus& grid, const std::vector<Fact>& facts) {
  for (const Fact& fact : facts) ApplyFact(grid, fact);
}

}  // namespace glyph
