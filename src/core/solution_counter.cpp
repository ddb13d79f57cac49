// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solution_counter.h"

#include <algorithm>

namespace glyph {

namespace {

constexpr int kEquations = 6;
constexpr int kColumns = 3;

// One equation written as an addition X + Y = Z (see AdditionOperands) over
// true digits per column.
struct Addition {
  std::array<std::array<int, kColumns>, 3> digits{};  // [X, Y, Z][column]
};

// A column of an equation that can be checked once the search has assigned
// every digit it and the columns below it use.
struct ColumnCheck {
  int equation;
  int column;
};

class clsSolutionSearch {
 public:
  explicit clsSolutionSearch(const clsPuzzle& puzzle) {
    BuildAdditions(puzzle);
    OrderVariables();
    PlanChecks();
  }

  long long Run(const std::function<void(const DigitAssignment&)>* visit) {
    visit_ = visit;
    count_ = 0;
    assigned_.fill(-1);
    Descend(0, 0);
    return count_;
  }

 private:
  void BuildAdditions(const clsPuzzle& puzzle) {
    for (int e = 0; e < kEquations; ++e) {
      const PuzzleEquation& equation = kPuzzleEquations[static_cast<std::size_t>(e)];
      const std::array<int, 3> operands = AdditionOperands(equation, OperatorOf(puzzle, equation) == kOpAdd);
      for (int role = 0; role < 3; ++role) {
        for (int c = 0; c < kColumns; ++c) {
          additions_[e].digits[role][c] = DigitAt(puzzle.Number(operands[role]), c);
        }
      }
    }
  }

  // The order in which digits are assigned: greedily the digit that makes the
  // most column checks ready (a check needs its own column's digits and those
  // of the columns below it), ties going to the digit met first walking the
  // columns ones first. Checks then prune the search as early as possible.
  void OrderVariables() {
    std::vector<int> byAppearance;
    for (int c = 0; c < kColumns; ++c) {
      for (int e = 0; e < kEquations; ++e) {
        for (int role = 0; role < 3; ++role) {
          const int digit = additions_[e].digits[role][c];
          if (std::find(byAppearance.begin(), byAppearance.end(), digit) == byAppearance.end()) {
            byAppearance.push_back(digit);
          }
        }
      }
    }
    position_.fill(-1);
    unsigned chosen = 0;
    while (order_.size() < byAppearance.size()) {
      int best = -1;
      int bestReady = -1;
      for (int digit : byAppearance) {
        if (chosen & (1u << digit)) continue;
        const int ready = ReadyChecks(chosen | (1u << digit)) - ReadyChecks(chosen);
        if (ready > bestReady) {
          best = digit;
          bestReady = ready;
        }
      }
      chosen |= 1u << best;
      position_[best] = static_cast<int>(order_.size());
      order_.push_back(best);
    }
  }

  int ReadyChecks(unsigned known) const {
    int ready = 0;
    for (int e = 0; e < kEquations; ++e) {
      for (int c = 0; c < kColumns; ++c) {
        bool allKnown = true;
        for (int role = 0; role < 3; ++role) allKnown = allKnown && (known & (1u << additions_[e].digits[role][c]));
        if (!allKnown) break;  // the columns above need this one's carry
        ++ready;
      }
    }
    return ready;
  }

  // Each column check runs at the depth where the last digit of it, or of a
  // column below it, is assigned; lower columns first, so carries are known.
  void PlanChecks() {
    checksAt_.assign(order_.size(), {});
    for (int e = 0; e < kEquations; ++e) {
      int ready = 0;
      for (int c = 0; c < kColumns; ++c) {
        for (int role = 0; role < 3; ++role) {
          ready = std::max(ready, position_[additions_[e].digits[role][c]]);
        }
        checksAt_[static_cast<std::size_t>(ready)].push_back({e, c});
      }
    }
    for (auto& checks : checksAt_) {
      std::stable_sort(checks.begin(), checks.end(),
                       [](const ColumnCheck& a, const ColumnCheck& b) { return a.column < b.column; });
    }
  }

  bool ChecksPass(std::size_t depth) {
    for (const ColumnCheck& check : checksAt_[depth]) {
      const auto& digits = additions_[check.equation].digits;
      const int sum = assigned_[digits[0][check.column]] + assigned_[digits[1][check.column]] +
                      carry_[check.equation][check.column];
      if (sum % 10 != assigned_[digits[2][check.column]]) return false;
      const int carryOut = sum / 10;
      if (check.column == kColumns - 1) {
        if (carryOut != 0) return false;  // the result would need a fourth digit
      } else {
        carry_[check.equation][check.column + 1] = carryOut;
      }
    }
    return true;
  }

  void Descend(std::size_t depth, unsigned usedDigits) {
    if (depth == order_.size()) {
      ++count_;
      if (visit_ != nullptr) (*visit_)(assigned_);
      return;
    }
    const int trueDigit = order_[depth];
    for (int declared = 0; declared < 10; ++declared) {
      if (usedDigits & (1u << declared)) continue;
      assigned_[trueDigit] = declared;
      if (ChecksPass(depth)) Descend(depth + 1, usedDigits | (1u << declared));
    }
    assigned_[trueDigit] = -1;
  }

  std::array<Addition, kEquations> additions_{};
  std::array<int, 10> position_{};
  std::vector<int> order_;
  std::vector<std::vector<ColumnCheck>> checksAt_;
  std::array<std::array<int, kColumns>, kEquations> carry_{};  // carry into each column
  DigitAssignment assigned_{};
  const std::function<void(const DigitAssignment&)>* visit_ = nullptr;
  long long count_ = 0;
};

}  // namespace

long long ForEachSolution(const clsPuzzle& puzzle, const std::function<void(const DigitAssignment&)>& visit) {
  return clsSolutionSearch(puzzle).Run(&visit);
}

long long CountSolutions(const clsPuzzle& puzzle) { return clsSolutionSearch(puzzle).Run(nullptr); }

std::vector<DigitAssignment> FindSolutions(const clsPuzzle& puzzle) {
  std::vector<DigitAssignment> solutions;
  ForEachSolution(puzzle, [&](const DigitAssignment& a) { solutions.push_back(a); });
  std::sort(solutions.begin(), solutions.end());
  return solutions;
}

}  // namespace glyph
