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
struct BoardShape {
  std::array<std::array<int, 3>, 9> symbolAt{};  // [number 1..9 - 1][place: 0 ones, 1 tens, 2 hundreds]
  std::array<bool, 6> adds{};                    // per equation, in kPuzzleEquations' order
  std::array<bool, 10> onBoard{};                // per symbol
};
BoardShape ShapeOf(const clsPuzzle& puzzle);

// A fact about the grid: symbol s is (or is not) digit d.
struct Fact {
  int symbol = 0;
  int digit = 0;
  bool is = false;
  bool operator==(const Fact&) const = default;
};

// Why a fact follows, in parts a language file can translate.
struct Reason {
  enum class Kind { OnlyDigit, OnlySymbol, Columns, Trial, Search };
  Kind kind = Kind::OnlyDigit;
  int equation = 0;           // Columns: the equation (0..5, kPuzzleEquations' order)
  int lowColumn = 0;          // Columns: the lowest column used (0 ones .. 2 hundreds)
  int columns = 1;            // Columns: one or two neighbouring columns
  std::uint16_t allowed = 0;  // Columns: the digits the column(s) leave the symbol
  int steps = 0;              // Trial: facts until the contradiction; Search: cases tried
};

// The next fact, the simplest rule that gives it (1..4), the grid cells it
// rests on (symbol, digit) and why.
struct Deduction {
  Fact fact;
  int rule = 1;
  std::vector<std::pair<int, int>> cells;
  Reason reason;
};

// What the engine says of a grid: a next fact, or that the player's marks
// contradict every solution (the cell to look at), or that the board is
// solved, or that nothing more follows.
struct HintResult {
  std::optional<Deduction> deduction;
  std::optional<std::pair<int, int>> contradiction;
  bool solved = false;
};
HintResult NextHint(const clsPuzzle& puzzle, const clsSolveStatus& grid);

// The first of the player's marks (a yes or a no, in grid order) that no
// solution of the puzzle agrees with, if any.
std::optional<std::pair<int, int>> FirstWrongMark(const clsPuzzle& puzzle, const clsSolveStatus& grid);

// The chain of facts from an empty grid, each found by the simplest rule,
// until every symbol on the board is known or nothing more follows.
enum class Difficulty { Any = 0, Easy, Medium, Hard, Expert };
struct Chain {
  std::vector<Deduction> steps;
  bool complete = false;
  Difficulty rating = Difficulty::Easy;
};
Chain SolveChain(const clsPuzzle& puzzle);
Difficulty RatePuzzle(const clsPuzzle& puzzle);

// Fills the puzzle with new random ones until one has the wanted rating and
// returns it. With Any the first puzzle is taken unrated, exactly as
// MakePuzzle makes it, and Any is returned.
Difficulty MakeRatedPuzzle(clsPuzzle& puzzle, clsRandomSource& random, Difficulty wanted);

// "easy", "medium", "hard", "expert" ("any" for Any), and back.
const char* DifficultyName(Difficulty difficulty);
std::optional<Difficulty> DifficultyFromName(const std::string& name);

// Writes a fact into the grid the way the player would: a no mark for "is
// not", a yes mark (with its greying) for "is".
void ApplyFact(clsSolveStatus& grid, const Fact& fact);

// The explanation as a person would say it. text(key, English) gives a
// translated part; symbol(s) names a symbol ("S3", or a picture).
using TextSource = std::function<std::string(const char* key, const char* english)>;
std::string Explain(const Deduction& deduction, const BoardShape& shape, const TextSource& text,
                    const std::function<std::string(int symbol)>& symbol);

}  // namespace glyph
