#include <gtest/gtest.h>

#include <QJsonDocument>
#include <algorithm>
#include <set>

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

// Every generated puzzle, over many seeds, is a valid square.
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
      ASSERT_TRUE(puzzle.EquationsHold()) << puzzle.MakeSendString();
      // A subtracted operand is strictly smaller; equal operands are added.
      EXPECT_TRUE(puzzle.OpHorz1() == kOpAdd || puzzle.Number4() < puzzle.Number1());
      EXPECT_TRUE(puzzle.OpHorz2() == kOpAdd || puzzle.Number5() < puzzle.Number2());
      EXPECT_TRUE(puzzle.OpVert2() == kOpAdd || puzzle.Number5() < puzzle.Number4());
      EXPECT_TRUE(puzzle.OpHorz3() == kOpAdd || puzzle.Number6() < puzzle.Number3());
      EXPECT_TRUE(puzzle.OpVert1() == kOpAdd || puzzle.Number1() >= puzzle.Number2());

      std::set<int> symbols;
      for (int d = 0; d < 10; ++d) symbols.insert(puzzle.Symbols(d));
      EXPECT_EQ(symbols, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
      EXPECT_FALSE(puzzle.Solved());
      EXPECT_EQ(puzzle.SolveStatus(3), 0);
    }
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

void UseIdentitySymbols(clsPuzzle& puzzle) {
  for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(d));
}

// Every injective map of the board's digits, tried one by one.
class clsBruteForce {
 public:
  explicit clsBruteForce(const clsPuzzle& puzzle) : puzzle_(puzzle) {
    for (int k = 1; k <= 9; ++k) {
      for (int place = 0; place < 3; ++place) {
        digits_[k][place] = DigitAt(puzzle.Number(k), place);
        onBoard_ |= 1u << digits_[k][place];
      }
    }
  }

  long long Count() { return Try(0, 0); }

 private:
  long long Try(int trueDigit, unsigned used) {
    if (trueDigit == 10) return Holds() ? 1 : 0;
    if (!(onBoard_ & (1u << trueDigit))) return Try(trueDigit + 1, used);
    long long count = 0;
    for (int declared = 0; declared < 10; ++declared) {
      if (used & (1u << declared)) continue;
      map_[trueDigit] = declared;
      count += Try(trueDigit + 1, used | (1u << declared));
    }
    return count;
  }

  bool Holds() const {
    std::array<long, 10> rebuilt{};
    for (int k = 1; k <= 9; ++k) {
      for (int place = 0; place < 3; ++place) {
        rebuilt[k] += map_[digits_[k][place]] * kPlaceValues[static_cast<std::size_t>(place)];
      }
    }
    for (const PuzzleEquation& e : kPuzzleEquations) {
      if (!EquationHolds(rebuilt[e.left], rebuilt[e.right], rebuilt[e.result], OperatorOf(puzzle_, e))) return false;
    }
    return true;
  }

  const clsPuzzle& puzzle_;
  std::array<std::array<int, 3>, 10> digits_{};  // [number 1..9][place]
  unsigned onBoard_ = 0;
  std::array<int, 10> map_{};
};

TEST(SolutionCounter, ReferenceCounts) {
  for (const QJsonValue& value : test::Cases("puzzle", "is_solution_correct")) {
    const QJsonObject c = value.toObject();
    if (!c.contains("solutions")) continue;
    clsPuzzle puzzle;
    ASSERT_TRUE(puzzle.GetSendString(test::Bytes(c["puzzle"])));
    EXPECT_EQ(CountSolutions(puzzle), c["solutions"].toInt()) << test::Bytes(c["puzzle"]);
  }
}

TEST(SolutionCounter, EverySolutionFoundIsAcceptedByTheSolvedCheck) {
  clsSystemRandom random(99);
  clsPuzzle puzzle;
  for (int i = 0; i < 100; ++i) {
    puzzle.MakePuzzle(random);
    const std::vector<DigitAssignment> solutions = FindSolutions(puzzle);
    ASSERT_FALSE(solutions.empty()) << puzzle.MakeSendString();
    EXPECT_EQ(static_cast<long long>(solutions.size()), CountSolutions(puzzle));
    const DigitAssignment identity{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_NE(std::find(solutions.begin(), solutions.end(), identity), solutions.end());
    for (const DigitAssignment& a : solutions) {
      EXPECT_TRUE(IsSolutionCorrect(puzzle, GridFor(puzzle, a))) << puzzle.MakeSendString();
    }
  }
}

TEST(SolutionCounter, AgreesWithBruteForce) {
  for (const char* text : {"------999;412;587;570;310;260;429;102;327",                   // two solutions
                           "++++++123;0;123;0;0;0;123;0;123",                             // few digits, many solutions
                           "++++++5;5;10;5;5;10;10;10;20", "++++++1;2;3;4;5;6;7;8;9"}) {  // equations do not hold
    clsPuzzle puzzle;
    ASSERT_TRUE(puzzle.GetSendString(text));
    UseIdentitySymbols(puzzle);
    EXPECT_EQ(CountSolutions(puzzle), clsBruteForce(puzzle).Count()) << text;
  }
}

}  // namespace
}  // namespace glyph
