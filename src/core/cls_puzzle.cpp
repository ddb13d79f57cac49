// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cls_puzzle.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "core/lenient_number.h"

namespace glyph {

namespace {

constexpr std::size_t kOperatorChars = 6;
constexpr std::size_t kNumberFields = 9;

template <typename Array>
auto& CheckedAt(Array& values, int index, int first, const char* what) {
  if (index < first || index >= first + static_cast<int>(values.size())) {
    throw std::out_of_range(std::string("clsPuzzle: index out of range for ") + what);
  }
  return values[static_cast<std::size_t>(index - first)];
}

char OperatorChar(std::int32_t op) { return op == kOpAdd ? '+' : '-'; }

std::int32_t OperatorFromChar(char c) { return c == '+' ? kOpAdd : kOpSubtract; }

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      fields.push_back(text.substr(start));
      return fields;
    }
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

int DigitAt(int n, int place) {
  for (int i = 0; i < place; ++i) n = (n - ((n % 10 + 10) % 10)) / 10;
  return (n % 10 + 10) % 10;
}

std::string clsPuzzle::MakeSendString() const {
  std::string text;
  for (std::int32_t op : opHorz_) text += OperatorChar(op);
  for (std::int32_t op : opVert_) text += OperatorChar(op);
  for (std::size_t k = 0; k < numbers_.size(); ++k) {
    if (k > 0) text += ';';
    text += std::to_string(numbers_[k]);
  }
  return text;
}

bool clsPuzzle::GetSendString(std::string_view text) {
  const std::string_view rest = text.size() > kOperatorChars ? text.substr(kOperatorChars) : std::string_view{};
  const std::vector<std::string_view> fields = SplitFields(rest, ';');
  if (fields.size() != kNumberFields) return false;

  // Read every number before storing any, so a refused text changes nothing.
  std::array<std::int16_t, kNumberFields> numbers{};
  for (std::size_t k = 0; k < kNumberFields; ++k) {
    const std::optional<std::int16_t> value = ReadLenientInt16(fields[k]);
    if (!value) return false;
    numbers[k] = *value;
  }

  // Nine fields need eight separators, so the six operator characters exist.
  for (std::size_t k = 0; k < 3; ++k) {
    opHorz_[k] = OperatorFromChar(text[k]);
    opVert_[k] = OperatorFromChar(text[k + 3]);
  }
  numbers_ = numbers;
  solved_ = false;
  ClearSolveStatus();
  return true;
}

std::int16_t clsPuzzle::Number(int k) const { return CheckedAt(numbers_, k, 1, "Number"); }
void clsPuzzle::SetNumber(int k, std::int16_t value) { CheckedAt(numbers_, k, 1, "Number") = value; }
std::int32_t clsPuzzle::OpVert(int k) const { return CheckedAt(opVert_, k, 1, "OpVert"); }
void clsPuzzle::SetOpVert(int k, std::int32_t value) { CheckedAt(opVert_, k, 1, "OpVert") = value; }
std::int32_t clsPuzzle::OpHorz(int k) const { return CheckedAt(opHorz_, k, 1, "OpHorz"); }
void clsPuzzle::SetOpHorz(int k, std::int32_t value) { CheckedAt(opHorz_, k, 1, "OpHorz") = value; }

std::int16_t clsPuzzle::Symbols(int d) const { return CheckedAt(symbols_, d, 0, "Symbols"); }
void clsPuzzle::SetSymbols(int d, std::int16_t symbol) { CheckedAt(symbols_, d, 0, "Symbols") = symbol; }
std::int16_t clsPuzzle::SolveStatus(int d) const { return CheckedAt(solveStatus_, d, 0, "SolveStatus"); }
void clsPuzzle::SetSolveStatus(int d, std::int16_t verdict) { CheckedAt(solveStatus_, d, 0, "SolveStatus") = verdict; }

void clsPuzzle::ClearSolveStatus() { solveStatus_.fill(0); }

bool clsPuzzle::EquationsHold() const {
  for (const PuzzleEquation& equation : kPuzzleEquations) {
    if (!EquationHolds(Number(equation.left), Number(equation.right), Number(equation.result),
                       OperatorOf(*this, equation))) {
      return false;
    }
  }
  return true;
}

bool IsSoundPuzzle(const clsPuzzle& puzzle) {
  std::array<bool, 10> used{};
  for (int d = 0; d < 10; ++d) {
    const int symbol = puzzle.Symbols(d);
    if (symbol < 0 || symbol > 9 || used[static_cast<std::size_t>(symbol)]) return false;
    used[static_cast<std::size_t>(symbol)] = true;
  }
  for (int k = 1; k <= 9; ++k) {
    if (puzzle.Number(k) < 0 || puzzle.Number(k) > 999) return false;
  }
  for (int k = 1; k <= 3; ++k) {
    for (std::int32_t op : {puzzle.OpVert(k), puzzle.OpHorz(k)}) {
      if (op != kOpAdd && op != kOpSubtract) return false;
    }
  }
  return puzzle.EquationsHold();
}

std::int32_t OperatorOf(const clsPuzzle& puzzle, const PuzzleEquation& equation) {
  return equation.isRow ? puzzle.OpVert(equation.line) : puzzle.OpHorz(equation.line);
}

bool EquationHolds(long left, long right, long result, std::int32_t op) {
  return op == kOpAdd ? left + right == result : left - right == result;
}

}  // namespace glyph
