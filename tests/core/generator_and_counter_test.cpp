// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <algorithm>

#include "core/cls_every_number.h"
#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/random_draws.h"
#include "core/solution_counter.h"
#include "core/solution_rules.h"
#include "support/scripted_random.h"
#include "support/vectors.h"

namespace glyph {
namespace {

constexpr double kTimeOfDay = 0.25;

// A symbol table script: per digit a reseed factor, then the symbol's draw.
void PushSymbols(clsScriptedRandom& random, const std::vector<int>& symbols) {
  for (int s : symbols) {
    random.Push(0.5);
    random.Push(s / 10.0);
  }
}

void PushNumbers(clsScriptedRandom& random, const std::vector<int>& draws) {
  for (int n : draws) random.PushDraw(n / 1000.0);
}

const std::vector<int> kIdentitySymbols{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

TEST(Generator, ReferenceAttempts) {
  QJsonObject accepted;
  for (const QJsonValue& value : test::Cases("puzzle", "try_make_puzzle")) {
    if (value.toObject()["accepted"].toBool()) accepted = value.toObject();
  }
  ASSERT_FALSE(accepted.isEmpty());

  for (const QJsonValue& value : test::Cases("puzzle", "try_make_puzzle")) {
    const QJsonObject c = value.toObject();
    SCOPED_TRACE(QJsonDocument(c).toJson(QJsonDocument::Compact).toStdString());
    clsScriptedRandom random(kTimeOfDay);
    PushNumbers(random, test::Ints(c["draws"]));
    const bool isAccepted = c["accepted"].toBool();
    // A rejected attempt is followed by the known good one, so MakePuzzle ends.
    if (!isAccepted) PushNumbers(random, test::Ints(accepted["draws"]));
    PushSymbols(random, kIdentitySymbols);

    clsPuzzle puzzle;
    puzzle.MakePuzzle(random);
    EXPECT_EQ(puzzle.Attempts(), isAccepted ? 1 : 2);
    EXPECT_EQ(puzzle.MakeSendString(), test::Bytes((isAccepted ? c : accepted)["text"]));
    EXPECT_EQ(random.Remaining(), 0u);
  }
}

// The grid a player would fill in for an assignment: a yes mark for the
// symbol of every true digit on the board.
clsSolveStatus GridFor(const clsPuzzle& puzzle, const DigitAssignment& assignment) {
  clsSolveStatus grid;
  for (int t = 0; t < 10; ++t) {
    if (assignment[t] >= 0) grid.SetStatus(puzzle.Symbols(t), assignment[t], kCellYes);
  }
  return grid;
}

// Every generated puzzle, over many seeds, is a valid square; on the first
// seeds, every solution the counter finds passes the solved check, the
// puzzle's own digits among them.
TEST(Generator, GeneratedPuzzlesAreValidOverManySeeds) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    clsSystemRandom random(seed);
    clsPuzzle puzzle;
    for (int i = 0; i < 50; ++i) {
      puzzle.SetSolved(true);
      puzzle.SetSolveStatus(3, 2);
      puzzle.MakePuzzle(random);
      clsEveryNumber digits;
      for (int k = 1; k <= 9; ++k) {
        ASSERT_GE(puzzle.Number(k), 100);
        digits.AddNumber(puzzle.Number(k));
      }
      ASSERT_TRUE(digits.IsComplete()) << puzzle.MakeSendString();
      ASSERT_TRUE(IsSoundPuzzle(puzzle)) << puzzle.MakeSendString();  // sums hold, symbols a permutation
      // A subtracted operand is strictly smaller; equal operands are added.
      EXPECT_TRUE(puzzle.OpHorz1() == kOpAdd || puzzle.Number4() < puzzle.Number1());
      EXPECT_TRUE(puzzle.OpHorz2() == kOpAdd || puzzle.Number5() < puzzle.Number2());
      EXPECT_TRUE(puzzle.OpVert2() == kOpAdd || puzzle.Number5() < puzzle.Number4());
      EXPECT_TRUE(puzzle.OpHorz3() == kOpAdd || puzzle.Number6() < puzzle.Number3());
      EXPECT_TRUE(puzzle.OpVert1() == kOpAdd || puzzle.Number1() >= puzzle.Number2());

      EXPECT_FALSE(puzzle.Solved());
      EXPECT_EQ(puzzle.SolveStatus(3), 0);
      if (seed > 2) continue;
      const std::vector<DigitAssignment> solutions = FindSolutions(puzzle);
      EXPECT_EQ(static_cast<long long>(solutions.size()), CountSolutions(puzzle));
      EXPECT_NE(std::find(solutions.begin(), solutions.end(), DigitAssignment{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
                solutions.end());
      for (const DigitAssignment& a : solutions) EXPECT_TRUE(IsSolutionCorrect(puzzle, GridFor(puzzle, a)));
    }
  }
}

void UseIdentitySymbols(clsPuzzle& puzzle) {
  for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(d));
}

TEST(SolutionCounter, ReferenceCounts) {
  for (const QJsonValue& value : test::Cases("puzzle", "is_solution_correct")) {
    const QJsonObject c = value.toObject();
    if (!c.contains("solutions")) continue;
    clsPuzzle puzzle;
    ASSERT_TRUE(puzzle.GetSendString(test::Bytes(c["puzzle"])));
    EXPECT_EQ(CountSolutions(puzzle), c["solutions"].toInt()) << test::Bytes(c["puzzle"]);
  }
}

// Edge cases, counted once by trying every injective map of the digits.
TEST(SolutionCounter, EdgeCases) {
  const std::pair<const char*, long long> cases[] = {
      {"------999;412;587;570;310;260;429;102;327", 2},  // two solutions
      {"++++++123;0;123;0;0;0;123;0;123", 504},          // few digits, many solutions
      {"++++++5;5;10;5;5;10;10;10;20", 1},
      {"++++++1;2;3;4;5;6;7;8;9", 0}};  // the equations do not hold
  for (const auto& [text, count] : cases) {
    clsPuzzle puzzle;
    ASSERT_TRUE(puzzle.GetSendString(text));
    UseIdentitySymbols(puzzle);
    EXPECT_EQ(CountSolutions(puzzle), count) << text;
  }
}

}  // namespace
}  // namespace glyph
