// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle_code.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "core/cls_every_number.h"

namespace glyph {

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr std::size_t kDataChars = kPuzzleCodeBits / 5;
constexpr std::size_t kCodeChars = kDataChars + 1;
constexpr std::size_t kGroupChars = 5;
// Longer than any code with generous hyphens and spaces; anything longer is
// refused before a character of it is read.
constexpr std::size_t kLongestText = 64;

constexpr int kFormatPuzzle = 0;
constexpr int kSmallestNumber = 100;
constexpr int kNumberValues = 900;
constexpr int kOperatorValues = 32;                 // OpVert1, OpVert2, OpHorz1, OpHorz2, OpHorz3: a bit each
constexpr PuzzleCodeValue kSymbolTables = 3628800;  // 10!
constexpr PuzzleCodeValue kPuzzleValues =
    kSymbolTables * kOperatorValues * kNumberValues * kNumberValues * kNumberValues * kNumberValues;
static_assert(kPuzzleValues <= PuzzleCodeValue{1} << kPuzzleCodeVersionShift);
static_assert(kPuzzleCodeBits % 5 == 0 && kPuzzleCodeBits < 128);

// The check character is a parity in GF(32), x^5 + x^2 + 1, rather than
// Crockford's value mod 37: it keeps the code within the 32 letters (no
// "*~$=U" for a chat program to turn into formatting), and because every
// position has its own power of x (x^1..x^14 for the data, 1 for the check
// itself, all different as x has order 31) it refuses every single changed
// character and every swap of two different characters, near or far.
int TimesX(int a) {
  a <<= 1;
  return (a & 0x20) != 0 ? a ^ 0x25 : a;
}

int CheckOf(const std::array<int, kCodeChars>& symbols) {
  int check = 0;
  for (std::size_t i = kDataChars; i-- > 0;) check = TimesX(check ^ symbols[i]);
  return check;
}

// The one core check of a puzzle (numbers up to 999 among its demands),
// with the generator's own on top: numbers from 100 and every digit used
// (else a symbol of the table would stand on no place of the board).
bool IsFullPuzzle(const clsPuzzle& puzzle) {
  if (!IsSoundPuzzle(puzzle)) return false;
  clsEveryNumber digits;
  for (int k = 1; k <= 9; ++k) {
    if (puzzle.Number(k) < kSmallestNumber) return false;
    digits.AddNumber(puzzle.Number(k));
  }
  return digits.IsComplete();
}

// Of the six operators the code holds five; OpVert3 follows from the
// numbers, as row 3 can close only one way when its right number is not 0.
constexpr std::array<std::pair<bool, int>, 5> kCodedOperators{
    {{true, 1}, {true, 2}, {false, 1}, {false, 2}, {false, 3}}};
constexpr std::array<int, 4> kCodedNumbers{1, 2, 4, 5};

std::int32_t CodedOperator(const clsPuzzle& puzzle, std::size_t i) {
  const auto [isRow, line] = kCodedOperators[i];
  return isRow ? puzzle.OpVert(line) : puzzle.OpHorz(line);
}

int Apply(int left, std::int32_t op, int right) { return op == kOpAdd ? left + right : left - right; }

// Format 0, most significant first: Number1, Number2, Number4 and Number5
// less 100 (radix 900 each), the five coded operators (a bit set for a
// subtraction, the first of kCodedOperators lowest), the rank of the symbol
// table (radix 10!). Codes already given out rest on this order; a new
// layout needs a new format number.
PuzzleCodeValue PackPuzzle(const clsPuzzle& puzzle) {
  PuzzleCodeValue value = 0;
  for (int k : kCodedNumbers) value = value * kNumberValues + static_cast<unsigned>(puzzle.Number(k) - kSmallestNumber);
  unsigned operators = 0;
  for (std::size_t i = 0; i < kCodedOperators.size(); ++i) {
    if (CodedOperator(puzzle, i) != kOpAdd) operators |= 1u << i;
  }
  value = value * kOperatorValues + operators;
  // The symbol table by its rank among all orderings: per digit, how many
  // symbols not yet given out are smaller than its own.
  std::array<bool, 10> given{};
  for (int d = 0; d < 10; ++d) {
    const int symbol = puzzle.Symbols(d);
    unsigned smaller = 0;
    for (int s = 0; s < symbol; ++s) smaller += given[static_cast<std::size_t>(s)] ? 0u : 1u;
    given[static_cast<std::size_t>(symbol)] = true;
    value = value * static_cast<unsigned>(10 - d) + smaller;
  }
  return value;
}

std::optional<clsPuzzle> UnpackPuzzle(PuzzleCodeValue value) {
  if (value >= kPuzzleValues) return std::nullopt;
  std::array<int, 10> smaller{};
  for (int d = 9; d >= 0; --d) {
    const auto radix = static_cast<unsigned>(10 - d);
    smaller[static_cast<std::size_t>(d)] = static_cast<int>(value % radix);
    value /= radix;
  }
  const auto operators = static_cast<unsigned>(value % kOperatorValues);
  value /= kOperatorValues;
  std::array<int, 10> numbers{};  // by position 1..9, 0 unused
  for (std::size_t i = kCodedNumbers.size(); i-- > 0;) {
    numbers[static_cast<std::size_t>(kCodedNumbers[i])] = static_cast<int>(value % kNumberValues) + kSmallestNumber;
    value /= kNumberValues;
  }

  clsPuzzle puzzle;
  for (std::size_t i = 0; i < kCodedOperators.size(); ++i) {
    const std::int32_t op = (operators >> i & 1u) != 0 ? kOpSubtract : kOpAdd;
    const auto [isRow, line] = kCodedOperators[i];
    if (isRow) {
      puzzle.SetOpVert(line, op);
    } else {
      puzzle.SetOpHorz(line, op);
    }
  }
  numbers[3] = Apply(numbers[1], puzzle.OpVert1(), numbers[2]);
  numbers[6] = Apply(numbers[4], puzzle.OpVert2(), numbers[5]);
  numbers[7] = Apply(numbers[1], puzzle.OpHorz1(), numbers[4]);
  numbers[8] = Apply(numbers[2], puzzle.OpHorz2(), numbers[5]);
  numbers[9] = Apply(numbers[3], puzzle.OpHorz3(), numbers[6]);
  puzzle.SetOpVert3(numbers[7] + numbers[8] == numbers[9] ? kOpAdd : kOpSubtract);
  // Every number is within a few thousand of 0, so it fits the store; the
  // check below refuses those outside 100..999.
  for (int k = 1; k <= 9; ++k) puzzle.SetNumber(k, static_cast<std::int16_t>(numbers[static_cast<std::size_t>(k)]));

  std::array<bool, 10> given{};
  for (int d = 0; d < 10; ++d) {
    int skip = smaller[static_cast<std::size_t>(d)];
    int symbol = 0;
    while (given[static_cast<std::size_t>(symbol)] || skip-- > 0) ++symbol;
    given[static_cast<std::size_t>(symbol)] = true;
    puzzle.SetSymbols(d, static_cast<std::int16_t>(symbol));
  }
  if (!IsFullPuzzle(puzzle)) return std::nullopt;
  return puzzle;
}

// The alphabet position of a typed character, with Crockford's readings of
// the letters a person takes for digits; -1 for anything else.
int SymbolOf(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O') c = '0';
  if (c == 'I' || c == 'L') c = '1';
  const std::size_t at = kAlphabet.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string WriteCode(PuzzleCodeValue value) {
  if (value >> kPuzzleCodeBits != 0) throw std::out_of_range("WriteCode: value wider than a code");
  std::array<int, kCodeChars> symbols{};
  for (std::size_t i = kDataChars; i-- > 0;) {
    symbols[i] = static_cast<int>(value & 31u);
    value >>= 5;
  }
  symbols[kDataChars] = CheckOf(symbols);
  std::string text;
  for (std::size_t i = 0; i < kCodeChars; ++i) {
    if (i > 0 && i % kGroupChars == 0) text += '-';
    text += kAlphabet[static_cast<std::size_t>(symbols[i])];
  }
  return text;
}

std::optional<PuzzleCodeValue> ReadCode(std::string_view text) {
  if (text.size() > kLongestText) return std::nullopt;
  std::array<int, kCodeChars> symbols{};
  std::size_t count = 0;
  for (char c : text) {
    if (c == '-' || c == ' ') continue;
    const int symbol = SymbolOf(c);
    if (symbol < 0 || count == kCodeChars) return std::nullopt;
    symbols[count++] = symbol;
  }
  if (count != kCodeChars || CheckOf(symbols) != symbols[kDataChars]) return std::nullopt;
  PuzzleCodeValue value = 0;
  for (std::size_t i = 0; i < kDataChars; ++i) value = value << 5 | static_cast<unsigned>(symbols[i]);
  return value;
}

std::string PuzzleCode(const clsPuzzle& puzzle) {
  if (!IsFullPuzzle(puzzle)) throw std::invalid_argument("PuzzleCode: not a puzzle a code can hold");
  return WriteCode(PuzzleCodeValue{kFormatPuzzle} << kPuzzleCodeVersionShift | PackPuzzle(puzzle));
}

std::optional<clsPuzzle> PuzzleFromCode(std::string_view text) {
  const std::optional<PuzzleCodeValue> value = ReadCode(text);
  if (!value || *value >> kPuzzleCodeVersionShift != kFormatPuzzle) return std::nullopt;
  return UnpackPuzzle(*value & ((PuzzleCodeValue{1} << kPuzzleCodeVersionShift) - 1));
}

}  // namespace glyph
