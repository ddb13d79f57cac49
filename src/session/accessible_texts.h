// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/board_view.h"

namespace glyph {

class clsCatalogue;

// What a screen reader says of the board and the grid, in the current
// language. A symbol is named for what its picture shows in the style on
// screen ("blue square"), so that a player who cannot see the board and one
// who can speak of the same symbol alike.

// "blue square"; "Symbol 4" in a style without names.
std::string SymbolName(const clsCatalogue& catalogue, int style, int symbol);
// "Digit 7".
std::string DigitName(const clsCatalogue& catalogue, int digit);
// "blue square, digit 7: ruled out".
std::string GridCellName(const clsCatalogue& catalogue, int style, int index, GridLook look);
// A symbol's name, "Digit 5", "plus", "minus", "equals"; "" for an empty
// cell. A revealed digit adds its verdict: "Digit 5: right".
std::string BoardCellName(const clsCatalogue& catalogue, int style, const BoardCell& cell);

}  // namespace glyph
