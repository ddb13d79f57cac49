// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
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
  // "Difficulty: medium" (or "several solutions") for a new puzzle; for
  // today's puzzle its date (YYYY-MM-DD) before it.
  void ShowDifficulty(const clsPuzzle& puzzle, const clsSolveStatus& grid, Difficulty rating,
                      const std::string& dailyDate = "");

  // The note, while the puzzle and grid are those it was made for.
  GridNote NoteFor(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;
  // The language changed: the note says the same in the new one.
  void Retranslate();

  // The guided game (guided_game.cpp). Its start: the grid with some symbols
  // declared for the player, so that at most about twenty steps are left.
  clsSolveStatus StartGuide(const clsPuzzle& puzzle);
  // Its note: first the aim and how to read the board, then the next step
  // for the player to mark (a rule introduced with its reason the first time
  // it is used), a wrong mark to take back, or once solved the rules in
  // short. Made again only when the grid changes.
  GridNote Guide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;

 private:
  std::string Text(const char* key, const char* english) const;
  void Keep(const clsPuzzle& puzzle, const clsSolveStatus& grid, std::function<GridNote()> make,
            std::optional<std::vector<Fact>> facts);
  std::string NothingFollows(const HintResult& hint) const;

  const clsCatalogue& catalogue_;
  GridNote note_;
  std::function<GridNote()> make_;
  std::string madeFor_;
  std::optional<std::vector<Fact>> pending_;
  mutable std::string guidedFor_;
  mutable GridNote guideNote_;
  std::string guideStart_;  // the situation the guided game began with
  int guideGiven_ = 0;      // the symbols it declared for the player
  // Where each rule was first explained in this guided game.
  mutable std::map<int, std::string> introducedAt_;
  GridNote MakeGuide(const clsPuzzle& puzzle, const clsSolveStatus& grid) const;
  std::string RuleIntroduction(int rule, const std::string& situation) const;
  GridNote Explained(const clsPuzzle& puzzle, const clsSolveStatus& grid, Deduction& step) const;
};

}  // namespace glyph
