#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/cls_every_number.h"
#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/random_draws.h"
#include "support/scripted_random.h"
#include "support/vectors.h"

#include <QJsonDocument>

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

TEST(Generator, RandomNumberRoundsHalfToEvenAndRejectsOutside100To999) {
  clsScriptedRandom random(kTimeOfDay);
  random.PushDraw(0.9995, 0.1);  // 999.5 rounds to 1000: rejected
  random.PushDraw(0.0994, 0.2);  // 99.4 gives 99: rejected
  random.PushDraw(0.0995, 0.3);  // 99.5 rounds to 100: kept
  EXPECT_EQ(RandomNumber(random), 100);
  // A reseed from a fresh value times the time of day before every draw,
  // the rejected ones included.
  EXPECT_EQ(random.Reseeds(), (std::vector<double>{0.1 * kTimeOfDay, 0.2 * kTimeOfDay, 0.3 * kTimeOfDay}));

  random.PushDraw(0.9994);
  EXPECT_EQ(RandomNumber(random), 999);
  random.PushDraw(0.1005);  // 100.5 rounds to the even 100
  EXPECT_EQ(RandomNumber(random), 100);
}

TEST(Generator, SymbolTableRedrawsTenAndTakenSymbols) {
  clsScriptedRandom random(kTimeOfDay);
  // Digit 0: 0.95 rounds to 10, which is never a symbol; then 3.
  random.Push({0.7, 0.95});
  random.PushDraw(0.3, 0.6);
  // Digit 1: 3 is taken; 0.05 gives 0.5, rounding to the even 0.
  random.Push({0.8, 0.3});
  random.PushDraw(0.05, 0.9);
  // Digits 2..9 take the remaining symbols in order.
  PushSymbols(random, {1, 2, 4, 5, 6, 7, 8, 9});

  const std::array<std::int16_t, 10> symbols = MakeSymbolTable(random);
  EXPECT_EQ(symbols, (std::array<std::int16_t, 10>{3, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
  ASSERT_GE(random.Reseeds().size(), 4u);
  EXPECT_DOUBLE_EQ(random.Reseeds()[0], 0.7 * 100);          // before each digit: times 100
  EXPECT_DOUBLE_EQ(random.Reseeds()[1], 0.6 * kTimeOfDay);   // before a redraw: times the time of day
  EXPECT_DOUBLE_EQ(random.Reseeds()[2], 0.8 * 100);
  EXPECT_DOUBLE_EQ(random.Reseeds()[3], 0.9 * kTimeOfDay);
  EXPECT_EQ(random.Remaining(), 0u);
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
        ASSERT_LE(puzzle.Number(k), 999);
        digits.AddNumber(puzzle.Number(k));
      }
      ASSERT_TRUE(digits.IsComplete()) << puzzle.MakeSendString();
      ASSERT_TRUE(puzzle.EquationsHold()) << puzzle.MakeSendString();
      for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(puzzle.OpVert(k) == kOpAdd || puzzle.OpVert(k) == kOpSubtract);
        ASSERT_TRUE(puzzle.OpHorz(k) == kOpAdd || puzzle.OpHorz(k) == kOpSubtract);
      }
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
      for (int d = 0; d < 10; ++d) EXPECT_EQ(puzzle.SolveStatus(d), 0);
      EXPECT_GE(puzzle.Attempts(), 1);
    }
  }
}

}  // namespace
}  // namespace glyph
