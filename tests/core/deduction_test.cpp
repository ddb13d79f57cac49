// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/cls_system_random.h"
#include "core/deduction.h"
#include "core/deduction_rules.h"
#include "core/expert_bank.h"
#include "core/solution_counter.h"

namespace glyph {
namespace {

// Which digit each symbol takes in each solution; -1 off the board.
std::vector<std::array<int, 10>> SolutionsBySymbol(const clsPuzzle& puzzle) {
  std::vector<std::array<int, 10>> solutions;
  for (const DigitAssignment& byTrueDigit : FindSolutions(puzzle)) {
    std::array<int, 10> bySymbol;
    bySymbol.fill(-1);
    for (int t = 0; t < 10; ++t) bySymbol[static_cast<std::size_t>(puzzle.Symbols(t))] = byTrueDigit[t];
    solutions.push_back(bySymbol);
  }
  return solutions;
}

// A fact holds for a solution when a symbol on the board has (or has not)
// the digit. Off the board a symbol takes one of the digits the board
// leaves: "is not d" holds when the board uses d, "is d" when d is the only
// digit left.
bool Holds(const Fact& fact, const std::array<int, 10>& solution) {
  const int digit = solution[static_cast<std::size_t>(fact.symbol)];
  if (digit >= 0) return (digit == fact.digit) == fact.is;
  const bool used = std::find(solution.begin(), solution.end(), fact.digit) != solution.end();
  const auto offBoard = std::count(solution.begin(), solution.end(), -1);
  return fact.is ? !used && offBoard == 1 : used;
}

// 750 + 115 = 865 ... with symbol s standing for digit s: one solution.
clsPuzzle Identity(const char* text = "-+-+-+750;115;865;514;414;100;236;529;765") {
  clsPuzzle puzzle;
  EXPECT_TRUE(puzzle.GetSendString(text));
  for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(d));
  return puzzle;
}

std::string EnglishText(const char*, const char* english) { return english; }
std::string SymbolName(int s) { return "S" + std::to_string(s); }
const TextSource kEnglish = EnglishText;

std::string InEnglish(const Deduction& deduction, const clsPuzzle& puzzle) {
  return Explain(deduction, ShapeOf(puzzle), kEnglish, SymbolName);
}

// The first hints from an empty grid, each marked before the next and each
// with what it rests on.
std::vector<Deduction> Hints(const clsPuzzle& puzzle, std::size_t count) {
  std::vector<Deduction> hints;
  clsSolveStatus grid;
  while (hints.size() < count) {
    HintResult hint = NextHint(puzzle, grid);
    if (!hint.deduction) break;
    Elaborate(*hint.deduction, ShapeOf(puzzle), MarksOf(grid));
    ApplyFacts(grid, hint.deduction->facts);
    hints.push_back(std::move(*hint.deduction));
  }
  return hints;
}

TEST(Deduction, EveryFactOfEveryChainHoldsForEverySolution) {
  clsSystemRandom random(11);
  clsPuzzle puzzle;
  std::array<int, 5> rulesSeen{};
  std::array<int, 5> kinds{};  // steps by Reason::Kind
  int highestColumns = 0;      // column rules on the hundreds

  for (int n = 0; n < 400; ++n) {
    puzzle.MakePuzzle(random);
    const std::vector<std::array<int, 10>> solutions = SolutionsBySymbol(puzzle);
    Chain chain = SolveChain(puzzle);
    std::vector<Fact> known;
    for (Deduction& step : chain.steps) {
      // What a step rests on is a mark made before it; a supposition lists
      // as many steps as it counts, each resting only on the marks the
      // supposition names, the supposition and the steps listed before it,
      // and they reach the contradiction it names. A column step among them
      // rules out all its columns leave out beside the grid and the steps
      // before it: "can only be 1 to 5, so not 6 to 9" leaves nothing unsaid.
      Elaborate(step, ShapeOf(puzzle), known);
      const auto holdsIn = [](const std::vector<Fact>& facts, const Fact& f) {
        return std::find(facts.begin(), facts.end(), f) != facts.end();
      };
      for (const Fact& basis : step.because) ASSERT_TRUE(holdsIn(known, basis)) << puzzle.MakeSendString();
      if (step.reason.kind == Reason::Kind::Trial) {
        ASSERT_EQ(step.steps.size(), static_cast<std::size_t>(step.reason.steps)) << puzzle.MakeSendString();
        std::vector<Fact> reached = step.because;
        reached.push_back({step.facts[0].symbol, step.facts[0].digit, true});
        deduction::State shown = deduction::StateOfFacts(known);
        deduction::Apply(shown, reached.back());
        for (const Deduction& inner : step.steps) {
          for (const Fact& basis : inner.because) ASSERT_TRUE(holdsIn(reached, basis)) << puzzle.MakeSendString();
          std::uint16_t said = 0;
          for (const Fact& fact : inner.facts) said |= static_cast<std::uint16_t>(1u << fact.digit);
          if (inner.reason.kind == Reason::Kind::Columns) {
            EXPECT_EQ(said, shown.candidates[static_cast<std::size_t>(inner.facts[0].symbol)] & ~inner.reason.allowed)
                << puzzle.MakeSendString();
          }
          for (const Fact& fact : inner.facts) deduction::Apply(shown, fact);
          reached.insert(reached.end(), inner.facts.begin(), inner.facts.end());
        }
        const deduction::State end = deduction::StateOfFacts(reached);
        if (step.reason.brokenSymbol >= 0) {
          EXPECT_EQ(end.candidates[static_cast<std::size_t>(step.reason.brokenSymbol)], 0);
        } else {
          for (std::uint16_t m : end.candidates) EXPECT_FALSE(m & (1u << step.reason.brokenDigit));
        }
      }
      known.insert(known.end(), step.facts.begin(), step.facts.end());
      ++rulesSeen[static_cast<std::size_t>(step.rule)];
      ++kinds[static_cast<std::size_t>(step.reason.kind)];
      highestColumns += step.reason.kind == Reason::Kind::Columns && step.reason.lowColumn + step.reason.columns == 3;
      for (const auto& solution : solutions) {
        for (const Fact& fact : step.facts) {
          ASSERT_TRUE(Holds(fact, solution)) << puzzle.MakeSendString() << " rule " << step.rule;
        }
      }
    }
    EXPECT_EQ(chain.complete, solutions.size() == 1) << puzzle.MakeSendString();
    EXPECT_EQ(chain.rating == Difficulty::Several, solutions.size() > 1) << puzzle.MakeSendString();
  }
  for (int rule = 1; rule <= 4; ++rule) EXPECT_GT(rulesSeen[static_cast<std::size_t>(rule)], 0) << rule;
  // Suppositions settle most hard steps; the search is the last resort.
  EXPECT_GT(kinds[static_cast<std::size_t>(Reason::Kind::Trial)],
            kinds[static_cast<std::size_t>(Reason::Kind::Search)]);
  EXPECT_GT(highestColumns, 0);
}

TEST(Deduction, OneColumnRulesOutWhatItsSumCannotMake) {
  const clsPuzzle puzzle = Identity();
  const Deduction hint = Hints(puzzle, 1).front();
  EXPECT_EQ(hint.rule, 2);
  EXPECT_EQ(hint.facts.size(), 9u);  // one step, everything the column says of S0
  EXPECT_EQ(InEnglish(hint, puzzle),
            "In the ones of the first row (S0 + S5 = S5, nothing is carried into the ones), S0 can only be 0 (1 to 9 "
            "would give S5 two different digits), so S0 is not 1 to 9.");
}

// A step names the earlier marks it needs, and no more; a subtraction is
// written with a dash and its borrows said as what they are; what rules a
// digit out besides the arithmetic is said beside the digits left.
TEST(Deduction, AStepSaysWhatItRestsOn) {
  const clsPuzzle puzzle = Identity();
  const std::vector<Deduction> hints = Hints(puzzle, 15);
  EXPECT_EQ(InEnglish(hints[6], puzzle),
            "In the hundreds of the second row (S5 \x96 S4 = S1, perhaps with the tens borrowing from them, the "
            "hundreds borrow nothing), S5 can only be 3 to 9 (2 would make S1 and S4 the same digit; 1 would need "
            "the hundreds to borrow), so S5 is not 1 or 2. It rests on: S0 is 0.");
  EXPECT_EQ(InEnglish(hints[7], puzzle),
            "In the hundreds of the third row (S2 + S5 = S7, perhaps with a carry from the tens, no carry out of the "
            "hundreds), S2 can only be 1 to 5 (6 to 9 would need a carry out of the hundreds), so S2 is not 6 to 9. "
            "It rests on: S0 is 0; S5 is not 1 or 2; S7 is not 9.");
  EXPECT_EQ(hints[7].because, (std::vector<Fact>{{0, 0, true}, {5, 1, false}, {5, 2, false}, {7, 9, false}}));
  EXPECT_EQ(InEnglish(hints[14], puzzle),
            "In the ones of the first column (S0 \x96 S4 = S6, nothing is borrowed from the ones), S6 can only be 4 "
            "or 6 to 9 (5 would make S4 and S6 the same digit; 3 would need something borrowed from the ones), so S6 "
            "is not 1 to 3 or 5. It rests on: S0 is 0; S4 is not 7 to 9.");
}

// Where no supposition reaches a contradiction, the solutions that fit the
// grid settle the step. Of the two solutions of this board, S0, S3 and S5
// (off the board) kept to 7, 8 and 9 leave only the one without 8: the
// simpler rules see no symbol or digit with a single choice either way.
TEST(Deduction, TheSearchRulesOutWhatNoFittingSolutionGives) {
  const clsPuzzle sparse = Identity("++++++111;111;222;111;111;222;222;222;444");
  clsSolveStatus grid;
  for (HintResult hint = NextHint(sparse, grid); hint.deduction; hint = NextHint(sparse, grid)) {
    ApplyFacts(grid, hint.deduction->facts);
  }
  for (int s : {0, 3, 5}) {
    for (int d = 0; d < 7; ++d) grid.SetStatus(s, d, kCellNo);
  }
  const HintResult hint = NextHint(sparse, grid);
  ASSERT_TRUE(hint.deduction);
  EXPECT_EQ(InEnglish(*hint.deduction, sparse),
            "Every way to fill in the six sums that fits the grid leaves S1 only 1, so S1 is not 2.");
}

// A supposition that breaks the grid at once rests on the marks that leave
// the broken symbol no digit, and on nothing else.
TEST(Deduction, ASuppositionRestsOnTheMarksOfItsContradiction) {
  const clsPuzzle puzzle = Identity();
  std::vector<Fact> known{{5, 3, false}};
  for (int d : {0, 1, 2, 3, 4, 5, 6, 7, 9}) known.push_back({0, d, false});
  std::optional<Deduction> trial =
      deduction::FromTrial(deduction::StateOfFacts(known), ShapeOf(puzzle), {}, {}, 0, false);
  ASSERT_TRUE(trial);
  EXPECT_EQ(trial->because, std::vector<Fact>(known.begin() + 1, known.end()));
  EXPECT_EQ(InEnglish(*trial, puzzle), "Suppose S1 were 8: at once S0 has no digit left, so S1 is not 8.");
  trial->reason.steps = 1;
  EXPECT_EQ(InEnglish(*trial, puzzle),
            "Suppose S1 were 8: after one step of the simpler rules, S0 has no digit left, so S1 is not 8.");
}

// A supposition lists and counts only the steps its contradiction rests on:
// the first of this puzzle follows fourteen steps of the simpler rules to
// its contradiction, and nine of them lead elsewhere. Where the supposed
// symbol itself is left without a digit, the columns that fail are named.
TEST(Deduction, ASuppositionShowsOnlyTheStepsItNeeds) {
  const clsPuzzle puzzle = Identity("--+--+981;743;238;743;478;265;238;265;503");
  const Deduction first = Hints(puzzle, 14).back();
  ASSERT_EQ(first.rule, 4);
  EXPECT_EQ(first.reason.steps, 5);
  EXPECT_EQ(ExplainSteps(first, ShapeOf(puzzle), kEnglish, SymbolName).size(), 7u);

  const clsPuzzle failing = Identity("------760;438;322;332;173;159;428;265;163");
  EXPECT_EQ(InEnglish(Hints(failing, 17).back(), failing),
            "Suppose S6 were 0: after 2 steps of the simpler rules, no digits fit the tens of the third row, so S6 "
            "is not 0.");
}

TEST(Deduction, ASingleDigitOrSymbolLeftIsDeclared) {
  const clsPuzzle puzzle = Identity();
  using Case = std::tuple<bool, Fact, std::string>;  // ruled out along the symbol's row?
  for (const auto& [alongRow, fact, text] :
       {Case{true, {3, 3, true}, "Every digit but 3 is ruled out for S3, so S3 is 3."},
        Case{false, {4, 4, true}, "No symbol but S4 can still be 4, so S4 is 4."}}) {
    clsSolveStatus grid;
    for (int i = 0; i < 10; ++i) {
      if (i != fact.digit) alongRow ? grid.SetStatus(fact.symbol, i, kCellNo) : grid.SetStatus(i, fact.digit, kCellNo);
    }
    const HintResult hint = NextHint(puzzle, grid);
    ASSERT_TRUE(hint.deduction);
    EXPECT_EQ(hint.deduction->facts, std::vector{fact});
    EXPECT_EQ(hint.deduction->cells.size(), 10u);  // the row or column it reads
    EXPECT_EQ(InEnglish(*hint.deduction, puzzle), text);
  }
}

TEST(Deduction, MarksAgainstEverySolutionAreReportedNotBuiltOn) {
  const clsPuzzle puzzle = Identity();
  clsSolveStatus grid;
  grid.SetStatus(2, 2, kCellNo);  // wrong: S2 is 2 in the only solution
  grid.SetStatus(5, 6, kCellNo);  // a true no
  EXPECT_EQ(FirstWrongMark(puzzle, grid), (std::pair{2, 2}));
  HintResult hint = NextHint(puzzle, grid);
  EXPECT_FALSE(hint.deduction);
  EXPECT_EQ(hint.contradiction, (std::pair{2, 2}));

  grid.Clear();
  grid.SetStatus(5, 6, kCellNo);
  EXPECT_FALSE(FirstWrongMark(puzzle, grid));

  for (int s = 0; s < 10; ++s) ApplyFact(grid, {s, s, true});
  hint = NextHint(puzzle, grid);
  EXPECT_TRUE(hint.solved);
  EXPECT_FALSE(hint.deduction);

  // Symbols off the board (all but 1, 2 and 4 here) share out the digits
  // it leaves, and need no declaring.
  const clsPuzzle sparse = Identity("++++++111;111;222;111;111;222;222;222;444");
  grid.Clear();
  ApplyFact(grid, {1, 1, true});
  EXPECT_FALSE(FirstWrongMark(sparse, grid));
  // A symbol that is 0 is on the board like any other.
  const clsPuzzle zeros = Identity("++++++100;100;200;100;100;200;200;200;400");
  clsSolveStatus notZero;
  notZero.SetStatus(0, 0, kCellNo);
  EXPECT_EQ(FirstWrongMark(zeros, notZero), (std::pair{0, 0}));
  for (int s : {2, 4}) ApplyFact(grid, {s, s, true});
  EXPECT_TRUE(NextHint(sparse, grid).solved);

  // Two solutions (S1, S2, S4 as 1, 2, 4 or as 2, 4, 8): each mark fits one,
  // together they fit none, and Check and Hint both name the second.
  grid.Clear();
  ApplyFact(grid, {1, 1, true});
  ApplyFact(grid, {4, 8, true});
  EXPECT_EQ(FirstWrongMark(sparse, grid), (std::pair{4, 8}));
  EXPECT_EQ(NextHint(sparse, grid).contradiction, (std::pair{4, 8}));
  // Where the marks leave both, the hints run out and say how many still fit.
  grid.Clear();
  for (hint = NextHint(sparse, grid); hint.deduction; hint = NextHint(sparse, grid)) {
    ApplyFacts(grid, hint.deduction->facts);
  }
  EXPECT_EQ(hint.fitting, 2u);
  EXPECT_EQ(RatePuzzle(sparse), Difficulty::Several);
}

TEST(Deduction, RatedDrawsMatchTheirRating) {
  clsSystemRandom random(3);
  clsPuzzle puzzle;
  for (Difficulty wanted : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard, Difficulty::Expert}) {
    MakeRatedPuzzle(puzzle, random, wanted);
    EXPECT_EQ(RatePuzzle(puzzle), wanted);  // rated afresh, not taken from the draw
    EXPECT_EQ(CountSolutions(puzzle), 1);
  }
  // Two columns at once, and no supposition, make a medium puzzle. A
  // supposition counts the steps it needs: fifteen, the most a hard puzzle
  // may need (though the rules took eighteen there), or sixteen, expert.
  EXPECT_EQ(RatePuzzle(Identity()), Difficulty::Medium);
  EXPECT_EQ(RatePuzzle(Identity("--+--+981;743;238;743;478;265;238;265;503")), Difficulty::Hard);
  EXPECT_EQ(RatePuzzle(Identity("+--+--142;838;980;838;272;566;980;566;414")), Difficulty::Expert);
  // "any" is the generator's own draw, unrated.
  clsSystemRandom same(9);
  clsSystemRandom again(9);
  clsPuzzle plain;
  EXPECT_EQ(MakeRatedPuzzle(puzzle, same, Difficulty::Any), Difficulty::Any);
  plain.MakePuzzle(again);
  EXPECT_EQ(puzzle.MakeSendString(), plain.MakeSendString());
}

// Expert draws come from the bank: every square is a sound puzzle (each draw
// is rated again, above). The search that filled it turns away expert
// chains with several solutions.
TEST(Deduction, TheExpertBankHoldsSoundSquares) {
  ASSERT_GE(ExpertBankSize(), 500u);
  clsSystemRandom random(4);
  clsPuzzle puzzle;
  for (std::size_t i = 0; i < ExpertBankSize(); ++i) {
    EXPECT_NO_THROW(puzzle.MakePuzzleFromSquare(ExpertBankSquare(i), random)) << i;
  }
  for (int i = 0; i < 4; ++i) {
    SearchRatedPuzzle(puzzle, random, Difficulty::Expert);
    EXPECT_EQ(CountSolutions(puzzle), 1);
  }
}

}  // namespace
}  // namespace glyph
