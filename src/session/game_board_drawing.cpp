// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller's drawing: the board and the grid as views for the
// display to paint (the style's colours, the symbols or declared digits,
// the verdicts of a revealed solution, the grid's looks).
#include "core/board_view.h"
#include "session/cls_game_controller.h"

namespace glyph {

void clsGameController::LoadStyle() {
  styleBackColor_ = dark_ ? kDarkBackColor : style_ == kStyleClassic ? kClassicBackColor : kModernBackColor;
  board_.style = style_;
  board_.dark = dark_;
  for (BoardCell& cell : board_.equals) cell.picture = {PictureKind::Equals, 0};
  board_.headerColor = styleBackColor_;
}

void clsGameController::ApplyBackColor() {
  for (BoardCell& cell : board_.matrixSymbols) cell.backColor = styleBackColor_;
  for (auto& number : board_.digits) {
    for (BoardCell& cell : number) cell.backColor = styleBackColor_;
  }
  for (auto* cells : {&board_.opHorz, &board_.opVert, &board_.equals}) {
    for (BoardCell& cell : *cells) cell.backColor = styleBackColor_;
  }
}

void clsGameController::CopyMatrixSymbols(bool copy) {
  if (!copy) return;
  for (int k = 0; k < 10; ++k) board_.matrixSymbols[static_cast<std::size_t>(k)].picture = {PictureKind::Symbol, k};
}

void clsGameController::DrawPuzzle() {
  board_.panelColor = styleBackColor_;
  const PuzzlePictures pictures = DescribePuzzle(puzzle_, puzzle_, &solveStatus_);
  for (int k = 1; k <= 9; ++k) {
    const auto number = static_cast<std::size_t>(k - 1);
    for (int place = 0; place < 3; ++place) {
      const auto cell = static_cast<std::size_t>(kOnes - place);
      board_.digits[number][cell].picture = pictures.digits[number][cell];
      SetDigitBackColor(board_.digits[number][cell], puzzle_.SolveStatus(DigitAt(puzzle_.Number(k), place)));
    }
  }
  for (std::size_t i = 0; i < 3; ++i) {
    board_.opHorz[i].picture = pictures.opHorz[i];
    board_.opVert[i].picture = pictures.opVert[i];
  }
}

void clsGameController::SetDigitBackColor(BoardCell& cell, int verdict) const {
  if (!(puzzle_.Solved() && gameOver_)) {
    cell.backColor = styleBackColor_;
    cell.mark = VerdictMark::None;
    return;
  }
  switch (verdict) {
    case 0:
      cell.backColor = styleBackColor_;
      cell.mark = VerdictMark::None;
      break;
    case 1:
      cell.backColor = dark_ ? kDarkVerdictRightColor : kVerdictRightColor;
      cell.mark = VerdictMark::Right;
      break;
    case 2:
      cell.backColor = dark_ ? kDarkVerdictWrongColor : kVerdictWrongColor;
      cell.mark = VerdictMark::Wrong;
      break;
    default: break;  // unknown verdicts leave the colour as it was
  }
}

void clsGameController::DrawRaster() {
  for (int s = 0; s < 10; ++s) {
    for (int d = 0; d < 10; ++d) {
      const int value = solveStatus_.Status(s, d);
      // Values no operation of the game makes leave the cell as it was.
      if (value >= 0 && value <= 4) grid_.looks[static_cast<std::size_t>(10 * s + d)] = static_cast<GridLook>(value);
    }
  }
}

}  // namespace glyph
