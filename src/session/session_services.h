#pragma once

#include <optional>

#include "core/services.h"

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
};

}  // namespace glyph
