// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "core/board_view.h"
#include "core/cls_every_number.h"
#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"
#include "core/cls_system_random.h"
#include "core/solution_rules.h"
#include "support/vectors.h"

namespace glyph {
namespace {

TEST(EveryNumber, ReferenceCases) {
  for (const QJsonValue& value : test::Cases("puzzle", "every_number")) {
    const QJsonObject c = value.toObject();
    clsEveryNumber set;
    for (int n : test::Ints(c["add"])) set.AddNumber(static_cast<std::int16_t>(n));
    const std::vector<int> present = test::Ints(c["present"]);
    for (int d = 0; d < 10; ++d) {
      const bool expected = std::find(present.begin(), present.end(), d) != present.end();
      EXPECT_EQ(set.Present(d), expected) << "digit " << d;
    }
    EXPECT_EQ(set.IsComplete(), c["complete"].toBool());
    const QJsonObject has = c["has"].toObject();
    for (const QString& key : has.keys()) {
      EXPECT_EQ(set.HasNumber(static_cast<std::int16_t>(key.toInt())), has[key].toBool())
          << "HasNumber " << key.toStdString();
    }
  }
}

void SetState(clsPuzzle& puzzle, const QJsonObject& state) {
  const std::vector<int> numbers = test::Ints(state["numbers"]);
  const std::vector<int> opVert = test::Ints(state["op_vert"]);
  const std::vector<int> opHorz = test::Ints(state["op_horz"]);
  for (int k = 1; k <= 9; ++k) puzzle.SetNumber(k, static_cast<std::int16_t>(numbers[k - 1]));
  for (int k = 1; k <= 3; ++k) {
    puzzle.SetOpVert(k, opVert[k - 1]);
    puzzle.SetOpHorz(k, opHorz[k - 1]);
  }
  if (state.contains("symbols")) {
    const std::vector<int> symbols = test::Ints(state["symbols"]);
    const std::vector<int> verdicts = test::Ints(state["verdicts"]);
    for (int d = 0; d < 10; ++d) {
      puzzle.SetSymbols(d, static_cast<std::int16_t>(symbols[d]));
      puzzle.SetSolveStatus(d, static_cast<std::int16_t>(verdicts[d]));
    }
    puzzle.SetSolved(state["solved"].toBool());
  }
}

void ExpectState(const clsPuzzle& puzzle, const QJsonObject& state) {
  clsPuzzle expected;
  SetState(expected, state);
  EXPECT_EQ(puzzle.MakeSendString(), expected.MakeSendString());
  for (int d = 0; d < 10; ++d) {
    EXPECT_EQ(puzzle.Symbols(d), expected.Symbols(d));
    EXPECT_EQ(puzzle.SolveStatus(d), expected.SolveStatus(d));
  }
  EXPECT_EQ(puzzle.Solved(), expected.Solved());
}

TEST(PuzzleText, MakeSendStringReferenceCases) {
  for (const QJsonValue& value : test::Cases("puzzle", "make_send_string")) {
    const QJsonObject c = value.toObject();
    clsPuzzle puzzle;
    SetState(puzzle, c);
    EXPECT_EQ(puzzle.MakeSendString(), test::Bytes(c["text"]));
  }
}

TEST(PuzzleText, GetSendStringReferenceCases) {
  for (const QJsonValue& value : test::Cases("puzzle", "get_send_string")) {
    const QJsonObject c = value.toObject();
    const std::string text = test::Bytes(c["text"]);
    SCOPED_TRACE(text);
    clsPuzzle puzzle;
    SetState(puzzle, c["initial"].toObject());
    EXPECT_EQ(puzzle.GetSendString(text), c["accepted"].toBool());
    ExpectState(puzzle, c["after"].toObject());
  }
}

TEST(PuzzleText, NumberFieldsAtTheEdgeOfSixteenBits) {
  clsPuzzle puzzle;
  ASSERT_TRUE(puzzle.GetSendString("++++++32767;-32768;-32768.5;32766.5;0;0;0;0;0"));
  EXPECT_EQ(puzzle.Number3(), -32768);  // the tie goes to the even neighbour
  EXPECT_EQ(puzzle.Number4(), 32766);
  ASSERT_TRUE(puzzle.GetSendString("++++++2.41;2.50;3.51;0;0;0;0;0;0"));  // only digits past a 5 break a tie
  EXPECT_EQ(puzzle.MakeSendString(), "++++++2;2;4;0;0;0;0;0;0");

  const std::string before = puzzle.MakeSendString();
  for (const char* text : {"++++++32768;0;0;0;0;0;0;0;0", "++++++0;-32769;0;0;0;0;0;0;0",
                           "++++++0;0;32767.5;0;0;0;0;0;0", "++++++0;0;0;99999999999999999999999;0;0;0;0;0"}) {
    EXPECT_FALSE(puzzle.GetSendString(text)) << text;
    EXPECT_EQ(puzzle.MakeSendString(), before) << "a refused text changed the puzzle";
  }
}

TEST(SolveStatus, ReferenceWrites) {
  for (const QJsonValue& value : test::Cases("solve_status", "writes")) {
    const QJsonObject c = value.toObject();
    SCOPED_TRACE(c["note"].toString().toStdString());
    clsSolveStatus grid;
    grid.ReadFromString(test::Bytes(c["initial"]));
    for (const QJsonValue& write : c["writes"].toArray()) {
      const std::vector<int> w = test::Ints(write);
      grid.SetStatus(w[0], w[1], static_cast<std::int16_t>(w[2]));
    }
    EXPECT_EQ(grid.MakeStatusString(), test::Bytes(c["final"]));
    const std::vector<int> solved = test::Ints(c["solved_num"]);
    for (int s = 0; s < 10; ++s) EXPECT_EQ(grid.GetSolvedNum(s), solved[s]) << "symbol " << s;
  }
}

TEST(SolveStatus, ReferenceReadFromString) {
  for (const QJsonValue& value : test::Cases("solve_status", "read_from_string")) {
    const QJsonObject c = value.toObject();
    clsSolveStatus grid;
    grid.SetStatus(4, 4, kCellYes);  // whatever was there is replaced
    grid.ReadFromString(test::Bytes(c["text"]));
    EXPECT_EQ(grid.MakeStatusString(), test::Bytes(c["string"]));
  }
}

// A bad index or value throws before anything changes.
TEST(CoreTypes, MisuseThrowsBeforeChanging) {
  clsEveryNumber set;
  EXPECT_THROW(set.AddNumber(-1), std::invalid_argument);
  EXPECT_THROW(set.Present(10), std::out_of_range);
  clsPuzzle puzzle;
  EXPECT_THROW(puzzle.Symbols(-1), std::out_of_range);
  EXPECT_THROW(puzzle.SetSymbols(10, 3), std::out_of_range);
  EXPECT_THROW(puzzle.SetNumber(10, 1), std::out_of_range);
  EXPECT_THROW(puzzle.SetOpHorz(0, 1), std::out_of_range);
  EXPECT_EQ(puzzle.MakeSendString(), "------0;0;0;0;0;0;0;0;0");
  clsSolveStatus grid;
  EXPECT_THROW(grid.Status(0, -1), std::out_of_range);
  EXPECT_THROW(grid.Status(10, 0), std::out_of_range);
  EXPECT_THROW(grid.SetStatus(3, 10, kCellYes), std::out_of_range);
  EXPECT_THROW(grid.SetStatus(3, 3, 10), std::invalid_argument);
  EXPECT_EQ(grid.MakeStatusString(), std::string(100, '0'));
}

void LoadPuzzle(clsPuzzle& puzzle, const QJsonObject& c) {
  ASSERT_TRUE(puzzle.GetSendString(test::Bytes(c["puzzle"])));
  const std::vector<int> symbols = test::Ints(c["symbols"]);
  for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(symbols[d]));
}

TEST(SolutionRules, ReferenceClicksAndDoubleClicks) {
  for (const QJsonValue& value : test::Cases("solve_status", "mark_cell")) {
    const QJsonObject c = value.toObject();
    clsSolveStatus grid;
    for (const QJsonValue& event : c["events"].toArray()) {
      const QJsonArray e = event.toArray();
      const int s = e[0].toInt(), d = e[1].toInt();
      MarkCell(grid, s, d, false);  // a double click arrives as a click first
      if (e[2].toString() == "double") MarkCell(grid, s, d, true);
    }
    EXPECT_EQ(grid.MakeStatusString(), test::Bytes(c["final"]));
  }
}

TEST(SolutionRules, ReferenceSolutionChecks) {
  for (const QJsonValue& value : test::Cases("puzzle", "is_solution_correct")) {
    const QJsonObject c = value.toObject();
    SCOPED_TRACE(test::Bytes(c["grid"]));
    clsPuzzle puzzle;
    LoadPuzzle(puzzle, c);
    clsSolveStatus grid;
    grid.ReadFromString(test::Bytes(c["grid"]));
    EXPECT_EQ(IsSolutionCorrect(puzzle, grid), c["correct"].toBool());
  }
}

TEST(SolutionRules, ReferenceRevealedSolution) {
  for (const QJsonValue& value : test::Cases("puzzle", "show_solution")) {
    const QJsonObject c = value.toObject();
    clsPuzzle puzzle;
    LoadPuzzle(puzzle, c);
    clsSolveStatus grid;
    grid.ReadFromString(test::Bytes(c["grid_before"]));
    RevealSolution(puzzle, grid);
    const std::vector<int> verdicts = test::Ints(c["verdicts"]);
    for (int d = 0; d < 10; ++d) EXPECT_EQ(puzzle.SolveStatus(d), verdicts[d]) << "digit " << d;
    EXPECT_EQ(grid.MakeStatusString(), test::Bytes(c["grid_after"]));
    EXPECT_TRUE(IsSolutionCorrect(puzzle, grid));
  }
}

// The pictures' names are those of the files the window's resources and the
// browser's site are made from.
TEST(BoardPictures, EveryNameIsAPictureOfTheAssets) {
  const std::filesystem::path assets = std::filesystem::path(GLYPH_SOURCE_DIR) / "assets";
  for (const int style : {kStyleClassic, kStyleModern}) {
    for (const PictureKind kind :
         {PictureKind::Symbol, PictureKind::Digit, PictureKind::Plus, PictureKind::Minus, PictureKind::Equals}) {
      for (int i = 0; i <= 9; ++i)
        EXPECT_TRUE(std::filesystem::is_regular_file(assets / PictureFileName(style, {kind, i})));
    }
    EXPECT_EQ(PictureFileName(style, {PictureKind::Symbol, 10}), "");
  }
  for (const GridLook look : {GridLook::Plain, GridLook::No, GridLook::Yes, GridLook::Greyed, GridLook::GreyedNo}) {
    for (int d = 0; d <= 9; ++d) EXPECT_TRUE(std::filesystem::is_regular_file(assets / GridDigitFileName(look, d)));
  }
  EXPECT_EQ(GridDigitFileName(GridLook::No, -1), "");
  EXPECT_EQ(PictureFileName(kStyleClassic, {PictureKind::Plus, 0}), "classic/plus.svg");
}

}  // namespace
}  // namespace glyph
