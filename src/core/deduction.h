// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"

namespace glyph {

// What the player sees of a puzzle: which symbol stands at each digit place
// of the nine numbers, and which of the six equations add. The deduction
// engine reasons from this alone, never from the true digits.
// ShapeOf also reads each equation once as the addition X + Y = Z (a
// difference X - Y = Z as Z + Y = X), symbols per column, and lists the
// symbols of its column groups, for the engine's many searches of them.
// The different symbols of one or two neighbouring columns of an equation
// (at most six), in the order they are written.
struct ColumnSymbolList {
  std::array<int, 6> symbols{};
  int count = 0;
  const int* begin() const { return symbols.data(); }
  const int* end() const { return symbols.data() + count; }
};

struct BoardShape {
  std::array<std::array<int, 3>, 9> symbolAt{};        // [number 1..9 - 1][place: 0 ones, 1 tens, 2 hundreds]
  std::array<bool, 6> adds{};                          // per equation, in kPuzzleEquations' order
  std::array<bool, 10> onBoard{};                      // per symbol
  using Addition = std::array<std::array<int, 3>, 3>;  // [X, Y, Z][column]
  std::array<Addition, 6> additions{};                 // per equation
  // The symbols of each group of columns the engine reads together: per
  // equation the ones, tens and hundreds alone, then the ones and tens, the
  // tens and hundreds (see deduction::GroupOf).
  std::array<ColumnSymbolList, 30> groups{};
};
BoardShape ShapeOf(const clsPuzzle& puzzle);

// A fact about the grid: symbol s is (or is not) digit d.
struct Fact {
  int symbol = 0;
  int digit = 0;
  bool is = false;
  bool operator==(const Fact&) const = default;
};

// Why a step follows, in parts a language file can translate.
struct Reason {
  enum class Kind { OnlyDigit, OnlySymbol, Columns, Trial, Search };
  Kind kind = Kind::OnlyDigit;
  int equation = 0;           // Columns: the equation (0..5, kPuzzleEquations' order)
  int lowColumn = 0;          // Columns: the lowest column used (0 ones .. 2 hundreds)
  int columns = 1;            // Columns: one or two neighbouring columns
  std::uint16_t allowed = 0;  // Columns, Search: the digits still open to the symbol
  int steps = 0;              // Trial: the steps its contradiction needs
  // Trial: the contradiction reached, a symbol with no digit left or a
  // digit no symbol can be (the other is -1).
  int brokenSymbol = -1;
  int brokenDigit = -1;
};

// Why a column step rules out digits that the sums' digits alone would
// allow: they would give two different symbols the same digit, or one
// symbol a different digit in two places, or need a carry into the ones or
// out of the hundreds. symbol and other name the symbols every such way
// concerns (-1 where the ways differ in that).
struct Obstacle {
  enum class Kind { SameDigit, TwoDigits, Carry };
  Kind kind = Kind::SameDigit;
  std::uint16_t digits = 0;
  int symbol = -1;  // SameDigit: the lower of the two symbols; TwoDigits: the symbol
  int other = -1;   // SameDigit: the higher of the two
  bool operator==(const Obstacle&) const = default;
};

// One step of reasoning: everything one insight gives about one symbol, by
// the simplest rule that gives it (1..4), the grid cells it concerns
// (symbol, digit) and why. A supposition comes with the steps its
// contradiction needs and the marks it rests on; Elaborate adds to any
// other step the marks it rests on, and to a column step (a supposition's
// too) what beside the arithmetic rules its digits out.
struct Deduction {
  std::vector<Fact> facts;
  int rule = 1;
  std::vector<std::pair<int, int>> cells;
  Reason reason;
  std::vector<Fact> because;
  std::vector<Deduction> steps;
  std::vector<Obstacle> obstacles{};
};

// What the engine says of a grid: a next step, or that the player's marks
// contradict every solution (the cell to look at), or that the board is
// solved, or that nothing more follows (fitting: how many solutions the
// marks still leave).
struct HintResult {
  std::optional<Deduction> deduction;
  std::optional<std::pair<int, int>> contradiction;
  bool solved = false;
  std::size_t fitting = 0;
};
HintResult NextHint(const clsPuzzle& puzzle, const clsSolveStatus& grid);

// The player's marks as facts, in grid order: a yes mark "is", a no mark "is not".
std::vector<Fact> MarksOf(const clsSolveStatus& grid);

// Fills in what a step rests on: the marks of known it needs (no fewer
// suffice), and for a column step, or each column step of a supposition,
// its obstacles. known holds the marks the grid held when the step was
// found.
void Elaborate(Deduction& deduction, const BoardShape& shape, const std::vector<Fact>& known);

// The mark Check and Hint point at when the player's marks together fit no
// solution: the first mark (in grid order) no solution agrees with, or else
// the last mark of the shortest run of marks that fits none.
std::optional<std::pair<int, int>> FirstWrongMark(const clsPuzzle& puzzle, const clsSolveStatus& grid);

// The chain of steps from an empty grid, each found by the simplest rule,
// until every symbol on the board is known or nothing more follows. A
// puzzle with more than one solution has no level: it is rated Several.
enum class Difficulty { Any = 0, Easy, Medium, Hard, Expert, Several };
struct Chain {
  std::vector<Deduction> steps;
  bool complete = false;
  Difficulty rating = Difficulty::Easy;
};
Chain SolveChain(const clsPuzzle& puzzle);
Difficulty RatePuzzle(const clsPuzzle& puzzle);

// A new random puzzle of the wanted rating (a level always with exactly one
// solution), which it returns. With Any the puzzle is taken unrated, exactly
// as MakePuzzle makes it, and Any is returned. Expert puzzles come from the
// expert bank (core/expert_bank.h), the others from SearchRatedPuzzle.
Difficulty MakeRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted);
// Fills the puzzle with new random ones until one has the wanted level: how
// the expert bank was filled.
void SearchRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted);

// "easy", "medium", "hard", "expert", "several" ("any" for Any), and back
// (only Any to Expert: nobody asks for a puzzle with several solutions).
const char* DifficultyName(Difficulty difficulty);
std::optional<Difficulty> DifficultyFromName(const std::string& name);

// Writes a fact into the grid the way the player would: a no mark for "is
// not", a yes mark (with its greying) for "is".
void ApplyFact(clsSolveStatus& grid, const Fact& fact);
void ApplyFacts(clsSolveStatus& grid, const std::vector<Fact>& facts);

// The explanation as a person would say it. text(key, English) gives a
// translated part; symbol(s) names a symbol ("S3", or a picture). A
// supposition's steps are explained one by one with ExplainSteps, ending
// with the contradiction they reach.
using TextSource = std::function<std::string(const char* key, const char* english)>;
std::string Explain(const Deduction& deduction, const BoardShape& shape, const TextSource& text,
                    const std::function<std::string(int symbol)>& symbol);
std::vector<std::string> ExplainSteps(const Deduction& supposition, const BoardShape& shape, const TextSource& text,
                                      const std::function<std::string(int symbol)>& symbol);

}  // namespace glyph
