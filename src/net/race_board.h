// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// What the race needs of the board it is played on: the puzzle sent and
// received, the grid cleared for the start, the solution shown on giving up,
// and the flags the board's own rules read (a finished player's grid takes
// no more marks; a solved puzzle is reported to the race).
class clsRaceBoard {
 public:
  virtual ~clsRaceBoard() = default;

  // A host's new race on the board (a new puzzle, an empty grid, the game
  // not over); its text form.
  virtual std::string MakeRacePuzzle() = 0;
  // The text form of the puzzle on the board.
  virtual std::string PuzzleText() const = 0;
  // A puzzle received from the host onto the board; false (and nothing
  // changed) when the text is refused.
  virtual bool ReceiveRacePuzzle(const std::string& text) = 0;
  // Giving up: the solution is shown without a question.
  virtual void RevealForRace() = 0;
  virtual void SetGameOver(bool gameOver) = 0;

  virtual bool RaceRunning() const = 0;
  virtual void SetRaceRunning(bool value) = 0;
  virtual bool LocalFinished() const = 0;
  virtual void SetLocalFinished(bool value) = 0;
  virtual void SetNetworkSessionExists(bool value) = 0;
};

}  // namespace glyph
