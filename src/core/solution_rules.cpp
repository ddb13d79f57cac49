// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solution_rules.h"

namespace glyph {

void MarkCell(clsSolveStatus& grid, int s, int d, bool isDouble) {
  switch (grid.Status(s, d)) {
    case kCellOpen: grid.SetStatus(s, d, isDouble ? kCellYes : kCellNo); break;
    case kCellNo: grid.SetStatus(s, d, isDouble ? kCellYes : kCellOpen); break;
    case kCellYes:
      if (isDouble) grid.SetStatus(s, d, kCellOpen);
      break;
    case kCellGreyed:
      if (!isDouble) grid.SetStatus(s, d, kCellGreyedNo);
      break;
    case kCellGreyedNo:
      if (!isDouble) grid.SetStatus(s, d, kCellGreyed);
      break;
    default: break;  // values no operation of the game makes are left alone
  }
}

bool IsSolutionCorrect(const clsPuzzle& puzzle, const clsSolveStatus& grid) {
  std::array<long, 10> players{};  // index 1..9
  for (int k = 1; k <= 9; ++k) {
    for (int place = 0; place < 3; ++place) {
      const int trueDigit = DigitAt(puzzle.Number(k), place);
      const int declared = grid.GetSolvedNum(puzzle.Symbols(trueDigit));
      if (declared < 0) return false;
      players[static_cast<std::size_t>(k)] += declared * kPlaceValues[static_cast<std::size_t>(place)];
    }
  }
  for (const PuzzleEquation& equation : kPuzzleEquations) {
    if (!EquationHolds(players[static_cast<std::size_t>(equation.left)],
                       players[static_cast<std::size_t>(equation.right)],
                       players[static_cast<std::size_t>(equation.result)], OperatorOf(puzzle, equation))) {
      return false;
    }
  }
  return true;
}

void RevealSolution(clsPuzzle& puzzle, clsSolveStatus& grid) {
  for (int d = 0; d < 10; ++d) {
    puzzle.SetSolveStatus(d, 0);
    for (int j = 0; j < 10; ++j) {
      if (grid.Status(puzzle.Symbols(d), j) == kCellYes) {
        puzzle.SetSolveStatus(d, j == d ? 1 : 2);
        break;
      }
    }
  }
  for (int d = 0; d < 10; ++d) grid.SetStatus(puzzle.Symbols(d), d, kCellYes);
}

}  // namespace glyph
