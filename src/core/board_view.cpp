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

const char* StyleFolderName(int style) { return style == kStyleClassic ? "classic" : "modern"; }

const char* OperatorPictureName(PictureKind kind) {
  switch (kind) {
    case PictureKind::Plus: return "plus";
    case PictureKind::Minus: return "minus";
    case PictureKind::Equals: return "equals";
    default: return "";
  }
}

namespace {

bool IsPictureIndex(int value) { return value >= 0 && value <= 9; }

const char* LookName(GridLook look) {
  switch (look) {
    case GridLook::Plain: return "plain";
    case GridLook::No: return "no";
    case GridLook::Yes: return "yes";
    case GridLook::Greyed: return "greyed";
    case GridLook::GreyedNo: return "greyedno";
  }
  return "plain";
}

}  // namespace

std::string PictureFileName(int style, const BoardPicture& picture) {
  const std::string folder = std::string(StyleFolderName(style)) + "/";
  switch (picture.kind) {
    case PictureKind::Symbol:
    case PictureKind::Digit:
      if (!IsPictureIndex(picture.index)) return {};
      return folder + (picture.kind == PictureKind::Symbol ? "symbol" : "digit") + std::to_string(picture.index) +
             ".svg";
    case PictureKind::Plus:
    case PictureKind::Minus:
    case PictureKind::Equals: return folder + OperatorPictureName(picture.kind) + ".svg";
    case PictureKind::None: break;
  }
  return {};
}

std::string GridDigitFileName(GridLook look, int digit) {
  return IsPictureIndex(digit) ? std::string("grid/") + LookName(look) + std::to_string(digit) + ".svg" : "";
}

}  // namespace glyph
