// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/cls_puzzle.h"

namespace glyph {

// A puzzle code: fifteen characters a player can read out or type, such as
// "0Q30W-48RE5-HVXED", that give the same puzzle (numbers, operators and
// symbol table) on every copy of the game, this release and later ones.
//
// The first fourteen characters spell a 70-bit number in Crockford's base32
// (0123456789ABCDEFGHJKMNPQRSTVWXYZ), most significant first; the fifteenth
// is a check character from the same alphabet. The number's top three bits
// are its format; format 0 holds a puzzle in the low 67 bits. A later release adds
// a format under a new number and keeps reading format 0, so a code once
// given out stays good.
__extension__ typedef unsigned __int128 PuzzleCodeValue;
constexpr int kPuzzleCodeVersionShift = 67;
constexpr int kPuzzleCodeBits = 70;

// The code of a puzzle, grouped in fives with hyphens. Throws
// std::invalid_argument for a puzzle PuzzleFromCode would refuse, so that
// every code given out opens again.
std::string PuzzleCode(const clsPuzzle& puzzle);

// The puzzle of a code, unsolved and with its verdicts clear, as freshly
// made. Forgiving in what a person types: any case, hyphens and spaces
// anywhere, O for 0, I and L for 1. Refuses (nullopt) everything else: text
// longer than 64 characters, a length other than fifteen characters, one
// outside the alphabet, a wrong check character, a format this release does
// not know, and a square that is not a full puzzle (numbers of three
// digits, sums that hold, every digit used, as the generator demands).
std::optional<clsPuzzle> PuzzleFromCode(std::string_view text);

// The text layer alone, under both functions above: a value below 2^70 as
// its grouped code (std::out_of_range for a larger one), and a code back to
// its value with the same forgiving reading and the same refusals of
// length, alphabet and check, whatever the value holds.
std::string WriteCode(PuzzleCodeValue value);
std::optional<PuzzleCodeValue> ReadCode(std::string_view text);

}  // namespace glyph
