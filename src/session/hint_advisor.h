// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"
#include "core/deduction.h"

namespace glyph {

class clsCatalogue;

// The note beside the grid: a hint, a check's answer or a new puzzle's
// difficulty. Symbols are written "{S3}" for the window to draw as pictures;
// cells are the grid cells (10 symbol + digit) the note frames, basis the
// marks it rests on (framed more quietly), steps a supposition's steps for
// the player to follow, one line each. offerGuide adds the offer of the
// guided game, inGuide the way out of it, offerNewGame (a solved game) a
// new game.
struct GridNote {
  std::string text;
  std::vector<int> cells;
  std::vector<int> basis;
  std::vector<std::string> steps;
  bool offerGuide = false;
  bool inGuide = false;
  bool offerNewGame = false;
  bool operator==(const GridNote&) const = default;
};

// Writes {S<symbol>} for a symbol in a note.
std::string SymbolToken(int symbol);

// Makes the notes of the Hint and Check buttons, in the player's language. A
// note stays while the puzzle and the grid are as they were when it was made.
class clsHintAdvisor {
 public:
  explicit clsHintAdvisor(const clsCatalogue& catalogue) : catalogue_(catalogue) {}

  // A first press shows the next step. A second press on the same grid
  // returns what the step concludes, for the grid to take at once (and the note goes).
  std::optional<std::vector<Fact>> Hint(const clsPuzzle& puzzle, const clsSolveStatus& grid);
  // Whether a mark of the player fits no solution; frames the first such.
  void Check(const clsPuzzle& puzzle, const clsSolveStatus& grid);
  // "Difficulty: medium" (or "several solutions") for a new puzzle.
  void ShowDifficulty(const clsPuzzle& puzzle, const clsSolveStatus& grid, Difficulty rating);

  // The note, while the puzzle and grid are those it was made for.
  GridNote NoteFor(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;

  // The guided game's note: the next step for the player to mark, a wrong
  // mark to take back, or once solved the rules in short. Made again only
  // when the grid changes.
  GridNote Guide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;

 private:
  std::string Text(const char* key, const char* english) const;
  void Keep(const clsPuzzle& puzzle, const clsSolveStatus& grid, GridNote note, std::optional<std::vector<Fact>> facts);
  std::string NothingFollows(const HintResult& hint) const;

  const clsCatalogue& catalogue_;
  GridNote note_;
  std::string madeFor_;
  std::optional<std::vector<Fact>> pending_;
  mutable std::string guidedFor_;
  mutable GridNote guideNote_;
  GridNote MakeGuide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;
  GridNote Explained(const clsPuzzle& puzzle, const clsSolveStatus& grid, Deduction& step) const;
};

}  // namespace glyph
