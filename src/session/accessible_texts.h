// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/board_view.h"

namespace glyph {

class clsCatalogue;

// What a screen reader says of the board and the grid, in the current
// language. Symbols are counted from 1 in the grid's order.

// "Symbol 4, digit 7: ruled out".
std::string GridCellName(const clsCatalogue& catalogue, int index, GridLook look);
// "Symbol 3", "Digit 5", "plus", "minus", "equals"; "" for an empty cell.
// A revealed digit adds its verdict: "Digit 5: right".
std::string BoardCellName(const clsCatalogue& catalogue, const BoardCell& cell);

}  // namespace glyph
