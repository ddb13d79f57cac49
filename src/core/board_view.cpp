// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board_view.h"

namespace glyph {

PuzzlePictures DescribePuzzle(const clsPuzzle& puzzle, const clsPuzzle& symbols, const clsSolveStatus* grid) {
  PuzzlePictures pictures;
  for (int k = 1; k <= 9; ++k) {
    auto& places = pictures.digits[static_cast<std::size_t>(k - 1)];
    for (int place = 0; place < 3; ++place) {
      const int symbol = symbols.Symbols(DigitAt(puzzle.Number(k), place));
      const int declared = (grid != nullptr && symbol >= 0 && symbol <= 9) ? grid->GetSolvedNum(symbol) : -1;
      places[static_cast<std::size_t>(kOnes - place)] =
          declared < 0 ? BoardPicture{PictureKind::Symbol, symbol} : BoardPicture{PictureKind::Digit, declared};
    }
  }
  for (std::size_t i = 0; i < 3; ++i) {
    const int k = static_cast<int>(i) + 1;
    pictures.opHorz[i] = {puzzle.OpHorz(k) == kOpAdd ? PictureKind::Plus : PictureKind::Minus, 0};
    pictures.opVert[i] = {puzzle.OpVert(k) == kOpAdd ? PictureKind::Plus : PictureKind::Minus, 0};
  }
  return pictures;
}

}  // namespace glyph
