// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/cls_puzzle.h"

namespace glyph {

// One way to read the board: for every true digit 0..9 the digit declared for
// its symbol, or -1 where that digit is not on the board.
using DigitAssignment = std::array<int, 10>;

// Counts the assignments of distinct digits to the symbols on the board under
// which the nine rebuilt numbers (leading zeros allowed) satisfy the six
// equations: exactly the grids the solved check would accept. The search
// fills the columns ones first and checks each equation's column as soon as
// its digits are known, so almost every branch dies after a digit or two.
long long CountSolutions(const clsPuzzle& puzzle);

// The same search, handing every solution to the visitor as it is found.
long long ForEachSolution(const clsPuzzle& puzzle, const std::function<void(const DigitAssignment&)>& visit);

// Every solution, sorted by the digits declared for true digit 0, 1, ...
std::vector<DigitAssignment> FindSolutions(const clsPuzzle& puzzle);

}  // namespace glyph
