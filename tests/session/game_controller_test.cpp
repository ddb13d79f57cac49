// SPDX-License-Identifier: GPL-3.0-or-later
// The board's own rules: what a game on it shows, how marks, undo, the end
// of a game and bookmarks change it. Questions and dialogs are the session's.
#include <gtest/gtest.h>

#include "core/deduction.h"
#include "i18n/cls_catalogue.h"
#include "session/cls_game_controller.h"
#include "storage/settings_table.h"
#include "support/fake_services.h"

namespace glyph {
namespace {

// Two digit assignments solve this one; the puzzle's own digits are one.
constexpr char kTwoSolutions[] = "------999;412;587;570;310;260;429;102;327";
const std::vector<int> kSymbols{3, 7, 0, 9, 1, 5, 8, 2, 6, 4};

class GameControllerTest : public ::testing::Test {
 protected:
  GameControllerTest() {
    controller_.StartUp();
    clsPuzzle puzzle;
    puzzle.GetSendString(kTwoSolutions);
    for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(kSymbols[static_cast<std::size_t>(d)]));
    controller_.StartBoard({.kind = BoardStart::Kind::New, .puzzle = puzzle});
  }

  // A double click as the desktop delivers it: a click, then a double click.
  void DoubleClick(int s, int d) {
    controller_.ClickCell(10 * s + d);
    controller_.DoubleClickCell(10 * s + d);
  }
  // Declares digit declared for the symbol of true digit t.
  void Declare(int t, int declared) { DoubleClick(kSymbols[static_cast<std::size_t>(t)], declared); }
  void DeclareAllCorrectly() {
    for (int t = 0; t < 10; ++t) Declare(t, t);
  }
  std::string Grid() const { return controller_.SolveStatus().MakeStatusString(); }

  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeServices fakes_{12345, network_, clock_};
  clsCatalogue catalogue_;
  clsGameController controller_{fakes_.Services(catalogue_, "")};
};

TEST_F(GameControllerTest, TheStoredStyleAndThePreferredDifficulty) {
  for (const auto& [stored, style] : std::vector<std::pair<std::string, int>>{{"0", 0}, {"1", 1}, {"7", 1}, {"x", 1}}) {
    fakes_.settings.Write(kSectionOptions, kKeyStyle, stored);
    controller_.StartUp();
    EXPECT_EQ(controller_.Style(), style) << stored;
    EXPECT_EQ(controller_.Board().headerColor, style == 0 ? kClassicBackColor : kModernBackColor);
  }
  WriteSetting(fakes_.settings, Setting::Difficulty, "medium");
  controller_.NewGame();
  EXPECT_EQ(RatePuzzle(controller_.Puzzle()), Difficulty::Medium);
  EXPECT_EQ(controller_.Note().text, "Difficulty: medium");
  EXPECT_FALSE(controller_.Buttons().addBookmark);
  EXPECT_EQ(Grid(), std::string(100, '0'));
  controller_.ClickCell(34);
  EXPECT_EQ(controller_.Note().text, "");  // a note speaks of the board it was made for
}

TEST_F(GameControllerTest, BoardShowsTheDeclaredDigitWhereverItsSymbolStands) {
  Declare(9, 4);  // the player holds the symbol of 9 to be 4 (wrong)
  const BoardView& board = controller_.Board();
  EXPECT_EQ(board.digits[0][kHundreds].picture, (BoardPicture{PictureKind::Digit, 4}));         // 999
  EXPECT_EQ(board.digits[6][kOnes].picture, (BoardPicture{PictureKind::Digit, 4}));             // 429
  EXPECT_EQ(board.digits[1][kOnes].picture, (BoardPicture{PictureKind::Symbol, kSymbols[2]}));  // 412
  EXPECT_EQ(board.digits[0][kOnes].backColor, kModernBackColor);  // no verdicts before the end
  EXPECT_EQ(board.opVert[0].picture.kind, PictureKind::Minus);
  Declare(2, 2);  // symbol 0 too
  EXPECT_EQ(board.digits[1][kOnes].picture, (BoardPicture{PictureKind::Digit, 2}));
}

// Solved once: the grid locks and the note congratulates; cleared after the
// end, marks can be made again and solving again neither ends nor locks.
TEST_F(GameControllerTest, SolvingLocksTheGridOnceAndCongratulates) {
  for (int t = 0; t < 9; ++t) Declare(t, t);
  EXPECT_FALSE(controller_.Note().offerNewGame);
  Declare(9, 9);
  EXPECT_TRUE(controller_.GameOver());
  EXPECT_FALSE(controller_.Buttons().solve);
  EXPECT_TRUE(controller_.Note().offerNewGame);
  EXPECT_EQ(controller_.Note().text, "Solved in 0:00. Well done!");
  const std::string grid = Grid();
  DoubleClick(0, 0);
  controller_.ClickCell(55);
  EXPECT_EQ(Grid(), grid);  // locked

  controller_.ClearGrid();
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_EQ(Grid(), std::string(100, '0'));
  DeclareAllCorrectly();
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_FALSE(controller_.Note().offerNewGame);
  controller_.ClickCell(0);
  EXPECT_NE(Grid(), grid);
}

TEST_F(GameControllerTest, RevealingColoursRightWrongAndMissingDigits) {
  Declare(9, 9);  // right
  Declare(1, 2);  // wrong
  controller_.RevealSolution();
  EXPECT_TRUE(controller_.GameOver());
  EXPECT_FALSE(controller_.Note().offerNewGame);  // revealed, not solved
  const BoardView& board = controller_.Board();
  EXPECT_EQ(board.digits[0][kHundreds].backColor, kVerdictRightColor);  // 999
  EXPECT_EQ(board.digits[1][kTens].backColor, kVerdictWrongColor);      // 412: the 1
  EXPECT_EQ(board.digits[3][kOnes].backColor, kModernBackColor);        // 570: the 0
  // The verdicts also differ in shape, for players who cannot tell red from green.
  EXPECT_EQ(board.digits[0][kHundreds].mark, VerdictMark::Right);
  EXPECT_EQ(board.digits[1][kTens].mark, VerdictMark::Wrong);
  EXPECT_EQ(board.digits[3][kOnes].mark, VerdictMark::None);
  EXPECT_EQ(board.digits[1][kTens].picture, (BoardPicture{PictureKind::Digit, 1}));
  EXPECT_TRUE(controller_.IsSolutionCorrect());

  // The classic style keeps the verdicts; only the ground of unmarked digits changes.
  controller_.ApplyStyle(kStyleClassic);
  EXPECT_EQ(controller_.Board().digits[0][kHundreds].backColor, kVerdictRightColor);
  EXPECT_EQ(controller_.Board().digits[3][kOnes].backColor, kClassicBackColor);
  controller_.ClearGrid();  // the game afresh: no verdicts
  EXPECT_EQ(controller_.Board().digits[0][kHundreds].backColor, kClassicBackColor);
}

TEST_F(GameControllerTest, BookmarksNumberTheirNamesAndOpeningOneEndsGameOver) {
  DoubleClick(1, 2);
  EXPECT_EQ(controller_.NextBookmarkName(), "Bookmark 1");
  controller_.AddBookmark("early");
  EXPECT_FALSE(controller_.Buttons().addBookmark);  // the same grid cannot be taken twice
  EXPECT_TRUE(controller_.Buttons().openBookmark);
  const std::string early = Grid();
  EXPECT_EQ(controller_.NextBookmarkName(), "Bookmark 2");
  controller_.RevealSolution();
  controller_.OpenBookmark(1);  // past the end: nothing
  EXPECT_TRUE(controller_.GameOver());
  controller_.OpenBookmark(0);
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_EQ(Grid(), early);
  controller_.RemoveBookmark(0);
  EXPECT_TRUE(controller_.Buttons().openBookmark);  // an empty list still opens
  controller_.NewGame();
  EXPECT_EQ(controller_.NextBookmarkName(), "Bookmark 1");
}

// Every change of the grid is one step (a double click with its own click);
// undo puts the grid back exactly, greying included; a new change drops what
// could be redone; a new game and the end of a game leave nothing to undo.
TEST_F(GameControllerTest, UndoAndRedoStepThroughTheGridChanges) {
  const std::string empty = Grid();
  DoubleClick(4, 7);
  const std::string declared = Grid();
  controller_.ClickCell(12);
  controller_.Undo();
  controller_.Undo();
  EXPECT_EQ(Grid(), empty);
  EXPECT_FALSE(controller_.CanUndo());
  controller_.Redo();
  EXPECT_EQ(Grid(), declared);
  controller_.ClickCell(55);
  EXPECT_FALSE(controller_.CanRedo());
  DoubleClick(4, 7);  // its click changes nothing, so the step joins no earlier one
  controller_.Undo();
  EXPECT_EQ(controller_.SolveStatus().Status(4, 7), kCellYes);
  controller_.ClickCell(100);  // beyond the grid: ignored, nothing thrown
  controller_.ClearGrid();
  controller_.Undo();  // Clear grid is a step as well
  EXPECT_EQ(controller_.SolveStatus().Status(5, 5), kCellNo);
  controller_.NewGame();
  EXPECT_FALSE(controller_.CanUndo());
  controller_.ClickCell(3);
  controller_.RevealSolution();
  EXPECT_FALSE(controller_.CanUndo());  // the game is over
}

}  // namespace
}  // namespace glyph
