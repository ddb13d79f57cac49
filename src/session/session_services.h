// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/services.h"
#include "storage/statistics.h"

namespace glyph {

class clsPuzzle;

// The dialogs a front end opens for the session; each holds its own logic.
class clsSessionDialogs {
 public:
  virtual ~clsSessionDialogs() = default;
  // The options dialog over the current style: the chosen style after OK
  // (settings and language already changed), nothing after Cancel.
  virtual std::optional<int> ChooseOptions(int style) = 0;
  // The print dialog for the board's puzzle in a style.
  virtual void Print(const clsPuzzle& board, int style) = 0;
  // The player's statistics; newBest names the category whose best time the
  // last solve beat.
  virtual void ShowStatistics(const clsStatistics& /*statistics*/, std::optional<StatsCategory> /*newBest*/) {}
  // A puzzle code the player types, or nothing after Cancel.
  virtual std::optional<std::string> AskPuzzleCode() { return std::nullopt; }
};

}  // namespace glyph
