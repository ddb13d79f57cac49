// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyph {

class clsRandomSource;

// Operator codes. Every reader treats kOpAdd as addition and any other value,
// 0 included, as subtraction.
constexpr std::int32_t kOpAdd = 1;
constexpr std::int32_t kOpSubtract = 2;

// Place values of the three digit positions of a number, in the order the
// game walks them: ones, tens, hundreds.
constexpr std::array<int, 3> kPlaceValues{1, 10, 100};

// The digit of n at a place (0 ones, 1 tens, 2 hundreds), always 0..9. For a
// negative n the modulo is taken downwards, so a stored value that no puzzle of
// ours carries still maps to a digit rather than to an index out of range.
int DigitAt(int n, int place);

// One puzzle: nine numbers in a three-by-three square, the operators of its
// three rows (OpVert) and three columns (OpHorz), the symbol standing for each
// digit, the verdicts of a revealed solution and the flag that the game is over.
//
//   Number1 OpVert1 Number2 = Number3
//   OpHorz1         OpHorz2   OpHorz3
//   Number4 OpVert2 Number5 = Number6
//   Number7 OpVert3 Number8 = Number9
class clsPuzzle {
 public:
  // The text form: six operator characters ("+" for addition, "-" otherwise)
  // in the order OpHorz1..3, OpVert1..3, then Number1..Number9 joined by ";".
  std::string MakeSendString() const;

  // Reads the text form. Refuses (false, nothing changed) a text that does not
  // split into exactly nine fields after its sixth character, or whose number
  // field does not fit a 16-bit signed integer. On success Solved and the
  // verdicts are cleared; Symbols keeps its value.
  bool GetSendString(std::string_view text);

  // Fills the puzzle with a new random one and a new symbol table.
  void MakePuzzle(clsRandomSource& random);

  // Fills the puzzle with a square given in the text form and a new random
  // symbol table. Throws std::invalid_argument for a text that is not a
  // sound puzzle.
  void MakePuzzleFromSquare(std::string_view square, clsRandomSource& random);

  // How many attempts the last MakePuzzle took (0 before the first).
  long long Attempts() const { return attempts_; }

  // Numbers by position 1..9; throws std::out_of_range for any other k.
  std::int16_t Number(int k) const;
  void SetNumber(int k, std::int16_t value);
  // Row operators (OpVert) and column operators (OpHorz) by position 1..3.
  std::int32_t OpVert(int k) const;
  void SetOpVert(int k, std::int32_t value);
  std::int32_t OpHorz(int k) const;
  void SetOpHorz(int k, std::int32_t value);

  std::int16_t Number1() const { return numbers_[0]; }
  std::int16_t Number2() const { return numbers_[1]; }
  std::int16_t Number3() const { return numbers_[2]; }
  std::int16_t Number4() const { return numbers_[3]; }
  std::int16_t Number5() const { return numbers_[4]; }
  std::int16_t Number6() const { return numbers_[5]; }
  std::int16_t Number7() const { return numbers_[6]; }
  std::int16_t Number8() const { return numbers_[7]; }
  std::int16_t Number9() const { return numbers_[8]; }
  void SetNumber1(std::int16_t v) { numbers_[0] = v; }
  void SetNumber2(std::int16_t v) { numbers_[1] = v; }
  void SetNumber3(std::int16_t v) { numbers_[2] = v; }
  void SetNumber4(std::int16_t v) { numbers_[3] = v; }
  void SetNumber5(std::int16_t v) { numbers_[4] = v; }
  void SetNumber6(std::int16_t v) { numbers_[5] = v; }
  void SetNumber7(std::int16_t v) { numbers_[6] = v; }
  void SetNumber8(std::int16_t v) { numbers_[7] = v; }
  void SetNumber9(std::int16_t v) { numbers_[8] = v; }

  std::int32_t OpVert1() const { return opVert_[0]; }
  std::int32_t OpVert2() const { return opVert_[1]; }
  std::int32_t OpVert3() const { return opVert_[2]; }
  std::int32_t OpHorz1() const { return opHorz_[0]; }
  std::int32_t OpHorz2() const { return opHorz_[1]; }
  std::int32_t OpHorz3() const { return opHorz_[2]; }
  void SetOpVert1(std::int32_t v) { opVert_[0] = v; }
  void SetOpVert2(std::int32_t v) { opVert_[1] = v; }
  void SetOpVert3(std::int32_t v) { opVert_[2] = v; }
  void SetOpHorz1(std::int32_t v) { opHorz_[0] = v; }
  void SetOpHorz2(std::int32_t v) { opHorz_[1] = v; }
  void SetOpHorz3(std::int32_t v) { opHorz_[2] = v; }

  bool Solved() const { return solved_; }
  void SetSolved(bool value) { solved_ = value; }

  // The symbol (0..9) standing for digit d; throws std::out_of_range outside 0..9.
  std::int16_t Symbols(int d) const;
  void SetSymbols(int d, std::int16_t symbol);

  // Verdict for true digit d after the solution was revealed: 0 no digit given,
  // 1 right, 2 wrong. Throws std::out_of_range outside 0..9.
  std::int16_t SolveStatus(int d) const;
  void SetSolveStatus(int d, std::int16_t verdict);

  // True when the puzzle's own numbers satisfy its six equations.
  bool EquationsHold() const;

 private:
  void ClearSolveStatus();
  bool TryMakePuzzle(clsRandomSource& random);
  void MakeSymbols(clsRandomSource& random);

  std::array<std::int16_t, 9> numbers_{};
  std::array<std::int32_t, 3> opVert_{};
  std::array<std::int32_t, 3> opHorz_{};
  std::array<std::int16_t, 10> symbols_{};
  std::array<std::int16_t, 10> solveStatus_{};
  bool solved_ = false;
  long long attempts_ = 0;
};

// The six equations of the square as positions (1..9) of their operands and
// result, each with the operator that joins them, in the order the solution
// check tests them: rows 1..3, then columns 1..3.
struct PuzzleEquation {
  int left;
  int right;
  int result;
  bool isRow;  // OpVert(line) when true, OpHorz(line) otherwise
  int line;    // 1..3
};
constexpr std::array<PuzzleEquation, 6> kPuzzleEquations{{
    {1, 2, 3, true, 1},
    {4, 5, 6, true, 2},
    {7, 8, 9, true, 3},
    {1, 4, 7, false, 1},
    {2, 5, 8, false, 2},
    {3, 6, 9, false, 3},
}};

// The one check of every puzzle that comes from outside (a saved game,
// another player's start, a description): the symbols are a permutation of
// the ten digits, the numbers lie in 0..999, the operators are addition or
// subtraction, and the six equations hold with the true digits. Hints,
// checks and the solved test all rest on these; a puzzle that fails them
// is never used.
bool IsSoundPuzzle(const clsPuzzle& puzzle);

// An equation read as the addition X + Y = Z: an addition as it stands, a
// subtraction A - B = C as the addition C + B = A it undoes (its borrows
// become carries). The positions (1..9) of X, Y and Z. The solution counter
// and the deduction engine both reason on these additions.
constexpr std::array<int, 3> AdditionOperands(const PuzzleEquation& equation, bool adds) {
  return adds ? std::array{equation.left, equation.right, equation.result}
              : std::array{equation.result, equation.right, equation.left};
}

// The operator code of an equation in a puzzle.
std::int32_t OperatorOf(const clsPuzzle& puzzle, const PuzzleEquation& equation);

// True when left op right = result, op being addition for kOpAdd and
// subtraction for anything else.
bool EquationHolds(long left, long right, long result, std::int32_t op);

}  // namespace glyph
