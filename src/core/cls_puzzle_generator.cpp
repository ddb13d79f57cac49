// SPDX-License-Identifier: GPL-3.0-or-later
// Generation of a new random puzzle: a generate-and-test loop over candidate
// squares built from four random numbers, then a random symbol table.
#include <stdexcept>
#include <utility>

#include "core/cls_every_number.h"
#include "core/cls_puzzle.h"
#include "core/cls_random_source.h"
#include "core/random_draws.h"
#include "core/rounding.h"

namespace glyph {

namespace {

constexpr int kSmallestNumber = 100;
constexpr int kLargestNumber = 999;

bool IsThreeDigit(int n) { return n >= kSmallestNumber && n <= kLargestNumber; }

// Reseeds from a fresh draw times the time of day; done before every draw
// whose value the generator keeps or rejects.
void ReseedFromTimeOfDay(clsRandomSource& random) {
  const double factor = random.Random();
  random.Reseed(factor * random.TimeOfDay());
}

std::int16_t DrawSymbol(clsRandomSource& random) {
  return static_cast<std::int16_t>(RoundHalfEven(random.Random() * 10.0));
}

// One operand joined to another: added when it is at least as large as the
// first, subtracted otherwise, so no result is ever negative.
std::pair<std::int32_t, std::int16_t> JoinBySize(std::int16_t first, std::int16_t second) {
  if (second >= first) return {kOpAdd, static_cast<std::int16_t>(first + second)};
  return {kOpSubtract, static_cast<std::int16_t>(first - second)};
}

}  // namespace

void clsPuzzle::MakePuzzle(clsRandomSource& random) {
  attempts_ = 0;
  do {
    ++attempts_;
  } while (!TryMakePuzzle(random));
  MakeSymbols(random);
  solved_ = false;
  ClearSolveStatus();
}

bool clsPuzzle::TryMakePuzzle(clsRandomSource& random) {
  clsEveryNumber digits;

  SetNumber1(RandomNumber(random));
  SetNumber2(RandomNumber(random));

  // Row 1 decides by the size of the sum, and orders its numbers so that a
  // difference is never negative.
  if (Number1() + Number2() >= 1000) {
    if (Number1() < Number2()) {
      const std::int16_t larger = Number2();
      SetNumber2(Number1());
      SetNumber1(larger);
    }
    SetOpVert1(kOpSubtract);
    SetNumber3(static_cast<std::int16_t>(Number1() - Number2()));
  } else {
    SetOpVert1(kOpAdd);
    SetNumber3(static_cast<std::int16_t>(Number1() + Number2()));
  }

  SetNumber4(RandomNumber(random));
  auto [opHorz1, number7] = JoinBySize(Number1(), Number4());
  SetOpHorz1(opHorz1);
  SetNumber7(number7);

  SetNumber5(RandomNumber(random));
  auto [opHorz2, number8] = JoinBySize(Number2(), Number5());
  SetOpHorz2(opHorz2);
  SetNumber8(number8);

  auto [opVert2, number6] = JoinBySize(Number4(), Number5());
  SetOpVert2(opVert2);
  SetNumber6(number6);

  auto [opHorz3, number9] = JoinBySize(Number3(), Number6());
  SetOpHorz3(opHorz3);
  SetNumber9(number9);

  // Row 3 is not built but must close by itself; addition is tried first.
  if (Number7() + Number8() == Number9()) {
    SetOpVert3(kOpAdd);
  } else if (Number7() - Number8() == Number9()) {
    SetOpVert3(kOpSubtract);
  } else {
    return false;
  }

  for (std::int16_t n : numbers_) {
    if (!IsThreeDigit(n)) return false;
  }
  for (std::int16_t n : numbers_) digits.AddNumber(n);
  return digits.IsComplete();
}

void clsPuzzle::MakePuzzleFromSquare(std::string_view square, clsRandomSource& random) {
  clsPuzzle made;
  if (!made.GetSendString(square)) throw std::invalid_argument("not a square");
  made.attempts_ = 1;
  made.MakeSymbols(random);
  if (!IsSoundPuzzle(made)) throw std::invalid_argument("not a sound square");
  *this = made;
}

void clsPuzzle::MakeSymbols(clsRandomSource& random) { symbols_ = MakeSymbolTable(random); }

std::int16_t RandomNumber(clsRandomSource& random) {
  double x = 0;
  while (x < kSmallestNumber || x > kLargestNumber) {
    ReseedFromTimeOfDay(random);
    x = RoundHalfEven(random.Random() * 1000.0);
  }
  return static_cast<std::int16_t>(x);
}

std::array<std::int16_t, 10> MakeSymbolTable(clsRandomSource& random) {
  std::array<std::int16_t, 10> symbols{};
  clsEveryNumber given;
  for (std::size_t digit = 0; digit < symbols.size(); ++digit) {
    random.Reseed(random.Random() * 100.0);
    std::int16_t symbol = DrawSymbol(random);
    // 10 counts as taken, so a draw that rounds up to 10 is drawn again.
    while (given.HasNumber(symbol)) {
      ReseedFromTimeOfDay(random);
      symbol = DrawSymbol(random);
    }
    given.AddNumber(static_cast<std::int16_t>(111 * symbol));
    symbols[digit] = symbol;
  }
  return symbols;
}

}  // namespace glyph
