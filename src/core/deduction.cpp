#include "core/deduction.h"

#include <algorithm>
#include <bit>

#include "core/deduction_rules.h"

namespace glyph {

using namespace deduction;

namespace deduction {

State EmptyState() {
  State state;
  state.candidates.fill(kAllDigits);
  state.declared.fill(-1);
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

}  // namespace deduction

namespace {

// The grid's marks as the engine reads them: a yes mark declares, a no mark
// or a greyed cell rules out.
State StateOf(const clsSolveStatus& grid) {
  State state = EmptyState();
  for (int s = 0; s < 10; ++s) {
    for (int d = 0; d < 10; ++d) {
      const int value = grid.Status(s, d);
      if (value == kCellNo || value == kCellGreyed || value == kCellGreyedNo) Apply(state, {s, d, false});
    }
  }
  for (int s = 0; s < 10; ++s) {
    const int d = grid.GetSolvedNum(s);
    if (d >= 0) {
      state.candidates[static_cast<std::size_t>(s)] &= Bit(d);
      state.declared[static_cast<std::size_t>(s)] = d;
    }
  }
  return state;
}

bool AllOnBoardDeclared(const State& state, const BoardShape& shape) {
  for (std::size_t s = 0; s < 10; ++s) {
    if (shape.onBoard[s] && state.declared[s] < 0) return false;
  }
  return true;
}

// An equation as the addition X + Y = Z (see AdditionOperands) by symbols
// per column.
using Addition = std::array<std::array<int, 3>, 3>;  // [X, Y, Z][column]

Addition AdditionOf(const BoardShape& shape, int e) {
  const std::array<int, 3> operands =
      AdditionOperands(kPuzzleEquations[static_cast<std::size_t>(e)], shape.adds[static_cast<std::size_t>(e)]);
  Addition addition{};
  for (std::size_t role = 0; role < 3; ++role) {
    addition[role] = shape.symbolAt[static_cast<std::size_t>(operands[role] - 1)];
  }
  return addition;
}

// Every way to give digits to the symbols of one or two neighbouring columns
// of an addition, carries included: the digits each symbol takes in some way.
class clsColumnSearch {
 public:
  clsColumnSearch(const Addition& addition, int low, int count, const State& state)
      : addition_(addition), low_(low), high_(low + count - 1), state_(state) {
    assigned_.fill(-1);
  }

  std::array<Mask, 10> Supports() {
    supports_.fill(0);
    Column(low_, 0);
    if (low_ > 0) Column(low_, 1);  // above the ones a carry may come in
    return supports_;
  }

 private:
  void Column(int c, int carryIn) {
    if (c > high_) {
      for (std::size_t s = 0; s < 10; ++s) {
        if (assigned_[s] >= 0) supports_[s] |= Bit(assigned_[s]);
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
    for (Mask left = state_.candidates[s] & static_cast<Mask>(~used_); left != 0; left &= left - 1) {
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
  std::array<int, 10> assigned_{};
  Mask used_ = 0;
  std::array<Mask, 10> supports_{};
};

// The symbols of the columns, in the order they are written.
std::vector<int> SymbolsOf(const Addition& addition, int low, int count) {
  std::vector<int> symbols;
  for (int c = low + count - 1; c >= low; --c) {
    for (std::size_t role = 0; role < 3; ++role) {
      const int s = addition[role][static_cast<std::size_t>(c)];
      if (std::find(symbols.begin(), symbols.end(), s) == symbols.end()) symbols.push_back(s);
    }
  }
  return symbols;
}

}  // namespace

namespace deduction {

std::optional<Deduction> OnlyDigitOrSymbol(const State& state) {
  for (int s = 0; s < 10; ++s) {
    const Mask m = state.candidates[static_cast<std::size_t>(s)];
    if (std::popcount(m) == 1 && state.declared[static_cast<std::size_t>(s)] != Lowest(m)) {
      Deduction found{{s, Lowest(m), true}, 1, {}, {Reason::Kind::OnlyDigit}};
      for (int d = 0; d < 10; ++d) found.cells.emplace_back(s, d);
      return found;
    }
  }
  for (int d = 0; d < 10; ++d) {
    int only = -1;
    int holders = 0;
    for (int s = 0; s < 10; ++s) {
      if (state.candidates[static_cast<std::size_t>(s)] & Bit(d)) {
        only = s;
        ++holders;
      }
    }
    if (holders == 1 && state.declared[static_cast<std::size_t>(only)] != d) {
      Deduction found{{only, d, true}, 1, {}, {Reason::Kind::OnlySymbol}};
      for (int s = 0; s < 10; ++s) found.cells.emplace_back(s, d);
      return found;
    }
  }
  return std::nullopt;
}

std::optional<Deduction> FromColumns(const State& state, const BoardShape& shape, int count,
                                     clsQuietColumns* quiet, std::vector<Fact>* all) {
  for (int e = 0; e < 6; ++e) {
    const Addition addition = AdditionOf(shape, e);
    for (int low = 0; low + count <= 3; ++low) {
      const int group = 5 * e + (count == 1 ? low : 3 + low);
      const std::vector<int> symbols = SymbolsOf(addition, low, count);
      if (quiet != nullptr && quiet->StillQuiet(group, symbols, state)) continue;
      const std::array<Mask, 10> supports = clsColumnSearch(addition, low, count, state).Supports();
      bool ruledOutAny = false;
      for (int s : symbols) {
        const Mask ruledOut = state.candidates[static_cast<std::size_t>(s)] & ~supports[static_cast<std::size_t>(s)];
        if (ruledOut == 0) continue;
        ruledOutAny = true;
        if (all != nullptr) {
          for (Mask m = ruledOut; m != 0; m &= m - 1) all->push_back({s, Lowest(m), false});
          continue;
        }
        Deduction found{{s, Lowest(ruledOut), false}, count + 1, {}, {}};
        found.reason = {Reason::Kind::Columns, e, low, count, supports[static_cast<std::size_t>(s)], 0};
        found.cells.emplace_back(s, Lowest(ruledOut));
        return found;
      }
      if (!ruledOutAny && quiet != nullptr) quiet->Remember(group, state);
    }
  }
  return std::nullopt;
}

}  // namespace deduction

namespace {

// The next fact by the simplest rule. A rating that only needs to know
// whether a puzzle is at most hard passes kShortTrial and no search.
std::optional<Deduction> NextFact(const State& state, const BoardShape& shape,
                                  const std::vector<SymbolDigits>& solutions, clsQuietColumns* quiet = nullptr,
                                  int trialLimit = kTrialLimit, bool search = true) {
  if (std::optional<Deduction> found = OnlyDigitOrSymbol(state)) return found;
  if (std::optional<Deduction> found = FromColumns(state, shape, 1, quiet)) return found;
  if (std::optional<Deduction> found = FromColumns(state, shape, 2, quiet)) return found;
  return FromTrial(state, shape, solutions, trialLimit, search);
}

// The chain, stopped early once its rating passes the ceiling.
Chain BuildChain(const clsPuzzle& puzzle, Difficulty ceiling) {
  const BoardShape shape = ShapeOf(puzzle);
  const std::vector<SymbolDigits> solutions = SolutionsOf(puzzle);
  const bool toTheEnd = ceiling == Difficulty::Expert;
  Chain chain;
  State state = EmptyState();
  clsQuietColumns quiet;
  while (!AllOnBoardDeclared(state, shape)) {
    std::optional<Deduction> next =
        NextFact(state, shape, solutions, &quiet, toTheEnd ? kTrialLimit : kShortTrial, toTheEnd);
    if (!next) {
      // Without the search a stuck chain only says the puzzle is harder.
      if (!toTheEnd) chain.rating = Difficulty::Expert;
      break;
    }
    // The columns that rule out one digit of a symbol rule out all the
    // digits they do not allow it: those facts follow at once, same reason.
    std::vector<Deduction> same{*next};
    if (next->reason.kind == Reason::Kind::Columns) {
      const auto s = static_cast<std::size_t>(next->fact.symbol);
      const Mask ruledOut =
          state.candidates[s] & static_cast<Mask>(~next->reason.allowed) & static_cast<Mask>(~Bit(next->fact.digit));
      for (Mask m = ruledOut; m != 0; m &= m - 1) {
        same.push_back(*next);
        same.back().fact.digit = Lowest(m);
        same.back().cells = {{next->fact.symbol, Lowest(m)}};
      }
    }
    for (const Deduction& fact : same) Apply(state, fact.fact);
    Difficulty level = next->rule <= 2 ? Difficulty::Easy : next->rule == 3 ? Difficulty::Medium : Difficulty::Hard;
    if (next->reason.kind == Reason::Kind::Search ||
        (next->reason.kind == Reason::Kind::Trial && next->reason.steps > kShortTrial)) {
      level = Difficulty::Expert;
    }
    chain.rating = std::max(chain.rating, level);
    chain.steps.insert(chain.steps.end(), same.begin(), same.end());
    if (chain.rating > ceiling) break;
  }
  chain.complete = AllOnBoardDeclared(state, shape);
  return chain;
}

// The player's own marks, in grid order: yes marks and no marks.
struct Mark {
  int symbol;
  int digit;
  bool yes;
};
std::vector<Mark> MarksOf(const clsSolveStatus& grid) {
  std::vector<Mark> marks;
  for (int s = 0; s < 10; ++s) {
    for (int d = 0; d < 10; ++d) {
      const int value = grid.Status(s, d);
      if (value == kCellYes) marks.push_back({s, d, true});
      if (value == kCellNo || value == kCellGreyedNo) marks.push_back({s, d, false});
    }
  }
  return marks;
}

State StateOfMarks(const std::vector<Mark>& marks, std::size_t count) {
  State state = EmptyState();
  for (std::size_t i = 0; i < count; ++i) Apply(state, {marks[i].symbol, marks[i].digit, marks[i].yes});
  return state;
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
  return shape;
}

std::optional<std::pair<int, int>> FirstWrongMark(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  const std::vector<SymbolDigits> solutions = SolutionsOf(puzzle);
  for (const Mark& mark : MarksOf(grid)) {
    State alone = EmptyState();
    Apply(alone, {mark.symbol, mark.digit, mark.yes});
    if (!AnyAgrees(solutions, alone)) return std::pair{mark.symbol, mark.digit};
  }
  return std::nullopt;
}

HintResult NextHint(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  HintResult result;
  const std::vector<SymbolDigits> solutions = SolutionsOf(puzzle);
  const std::vector<Mark> marks = MarksOf(grid);
  if (!solutions.empty() && !AnyAgrees(solutions, StateOfMarks(marks, marks.size()))) {
    // The marks together fit no solution: the first mark wrong on its own,
    // or else the last mark of the shortest run of marks that fits none.
    result.contradiction = FirstWrongMark(puzzle, grid);
    for (std::size_t n = 1; !result.contradiction && n <= marks.size(); ++n) {
      if (!AnyAgrees(solutions, StateOfMarks(marks, n))) {
        result.contradiction = std::pair{marks[n - 1].symbol, marks[n - 1].digit};
      }
    }
    return result;
  }
  const BoardShape shape = ShapeOf(puzzle);
  const State state = StateOf(grid);
  result.solved = AllOnBoardDeclared(state, shape);
  if (!result.solved) result.deduction = NextFact(state, shape, solutions);
  return result;
}

Chain SolveChain(const clsPuzzle& puzzle) { return BuildChain(puzzle, Difficulty::Expert); }

Difficulty RatePuzzle(const clsPuzzle& puzzle) { return SolveChain(puzzle).rating; }

Difficulty MakeRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted) {
  puzzle.MakePuzzle(random);
  if (wanted == Difficulty::Any) return Difficulty::Any;
  while (BuildChain(puzzle, wanted).rating != wanted) puzzle.MakePuzzle(random);
  return wanted;
}

const char* DifficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Any: return "any";
    case Difficulty::Easy: return "easy";
    case Difficulty::Medium: return "medium";
    case Difficulty::Hard: return "hard";
    case Difficulty::Expert: return "expert";
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

}  // namespace glyph
