// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace glyph {

class clsPuzzle;
class clsRandomSource;

// Expert puzzles are rare among the generator's draws: about one in two
// thousand needs a supposition whose contradiction needs more than fifteen
// steps and still has one solution. A rated draw at expert therefore does
// not search for one at play time: it takes one of the squares the
// generator and the rating found once (core/expert_bank.txt) and gives it a
// fresh symbol table, so that a new expert game needs one rating rather than
// thousands of draws.
std::size_t ExpertBankSize();
// The text form of square i (0 <= i < ExpertBankSize()).
std::string_view ExpertBankSquare(std::size_t i);
void DrawFromExpertBank(clsPuzzle& puzzle, clsRandomSource& random);

}  // namespace glyph
