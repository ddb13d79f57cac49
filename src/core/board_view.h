// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"

namespace glyph {

// Colours as the game keeps them: red, green and blue packed with red in the
// low byte.
using Colour = std::uint32_t;
constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }
constexpr unsigned RedOf(Colour c) { return c & 0xFF; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr Colour kClassicBackColor = Rgb(162, 159, 185);
constexpr Colour kModernBackColor = Rgb(255, 255, 255);
constexpr Colour kVerdictRightColor = Rgb(0, 255, 0);
constexpr Colour kVerdictWrongColor = Rgb(255, 0, 0);
constexpr Colour kRuleColor = Rgb(0, 0, 128);
// The dark colours: light digits on a dark ground, with a contrast of at
// least 4.5:1 for every text and 3:1 for every mark.
constexpr Colour kDarkBackColor = Rgb(0x1E, 0x1E, 0x24);
constexpr Colour kDarkVerdictRightColor = Rgb(0x14, 0x50, 0x1A);
constexpr Colour kDarkVerdictWrongColor = Rgb(0x8E, 0x1C, 0x1C);
constexpr Colour kDarkRuleColor = Rgb(0xA9, 0xB8, 0xFF);

// The two display styles.
constexpr int kStyleClassic = 0;
constexpr int kStyleModern = 1;

// What a board cell shows: a symbol or digit of the current style, or an
// operator picture. index is the symbol or digit for those kinds.
enum class PictureKind { None, Symbol, Digit, Plus, Minus, Equals };
struct BoardPicture {
  PictureKind kind = PictureKind::None;
  int index = 0;
  bool operator==(const BoardPicture&) const = default;
};

// A revealed solution's verdict on a digit, shown as a shape (a tick or a
// cross) as well as by the ground's colour, so it reads without colour.
enum class VerdictMark { None, Right, Wrong };

struct BoardCell {
  BoardPicture picture;
  Colour backColor = kModernBackColor;
  VerdictMark mark = VerdictMark::None;
  bool cursorSymbol = false;  // the symbol of the grid cursor's row stands here
  bool operator==(const BoardCell&) const = default;
};

// The places of a number's digit cells: pic<k>H, pic<k>Z, pic<k>E.
enum DigitPlace { kHundreds = 0, kTens = 1, kOnes = 2 };

// The pictures of a puzzle's numbers ([number 1..9 - 1][DigitPlace]) and
// operators: the screen's board and the printed page draw the same.
struct PuzzlePictures {
  std::array<std::array<BoardPicture, 3>, 9> digits{};
  std::array<BoardPicture, 3> opVert{};
  std::array<BoardPicture, 3> opHorz{};
};
// Each digit shows the symbol that `symbols` gives it or, where a grid is
// given, the digit the player declared for that symbol.
PuzzlePictures DescribePuzzle(const clsPuzzle& puzzle, const clsPuzzle& symbols, const clsSolveStatus* grid);

// Everything the board panel and the grid's header column show.
struct BoardView {
  int style = kStyleModern;
  bool dark = false;                                 // the dark colours: pictures are drawn light on dark
  Colour panelColor = kModernBackColor;              // picPuzzle
  Colour headerColor = kModernBackColor;             // picRasterSymbols, the grid's header column
  std::array<std::array<BoardCell, 3>, 9> digits{};  // [number 1..9 - 1][DigitPlace]
  std::array<BoardCell, 3> opVert{};                 // picOpVert1..3
  std::array<BoardCell, 3> opHorz{};                 // picOpHorz1..3
  std::array<BoardCell, 3> equals{};                 // picEqual1..3
  std::array<BoardCell, 10> matrixSymbols{};         // picMatrixSymbol0..9
};

// The five looks of a grid digit, one per cell value 0..4.
enum class GridLook { Plain, No, Yes, Greyed, GreyedNo };

// The hundred grid cells: cell 10 s + d shows digit d in a look.
struct GridView {
  std::array<GridLook, 100> looks{};
};

// Where each picture lies in the picture folder, the same for the window's
// resources and the browser's site: "modern/symbol3.svg", "classic/plus.svg",
// "grid/no7.svg"; empty for no picture.
const char* StyleFolderName(int style);
const char* OperatorPictureName(PictureKind kind);  // "plus", "minus", "equals"; empty for others
std::string PictureFileName(int style, const BoardPicture& picture);
std::string GridDigitFileName(GridLook look, int digit);

// Which of the main window's buttons can be pressed.
struct ButtonStates {
  bool addBookmark = false;
  bool openBookmark = false;
  bool solve = true;
  bool operator==(const ButtonStates&) const = default;
};

}  // namespace glyph
