// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"

namespace glyph {

// The rules that join the puzzle and the player's grid: marking a cell, the
// solved check and revealing the solution. The game controller calls them;
// they decide everything and draw nothing.

// The change a click (isDouble false) or a double click (isDouble true) makes
// to cell (s, d). The desktop delivers a double click as a click followed by a
// double click, and both are applied in turn.
void MarkCell(clsSolveStatus& grid, int s, int d, bool isDouble);

// True when the grid declares a digit for every symbol on the board and the
// numbers rebuilt from those digits satisfy the six equations. Any assignment
// that satisfies them counts, not only the puzzle's own.
bool IsSolutionCorrect(const clsPuzzle& puzzle, const clsSolveStatus& grid);

// Records per true digit whether the player's yes mark for its symbol was
// right (1), wrong (2) or missing (0), then writes the ten correct yes marks
// through the grid's greying. Does not touch Solved.
void RevealSolution(clsPuzzle& puzzle, clsSolveStatus& grid);

}  // namespace glyph
