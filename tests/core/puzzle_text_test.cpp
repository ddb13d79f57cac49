#include <gtest/gtest.h>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "support/vectors.h"

namespace glyph {
namespace {

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
  const std::vector<int> numbers = test::Ints(state["numbers"]);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(puzzle.Number(k), numbers[k - 1]) << "Number" << k;
  const std::vector<int> opVert = test::Ints(state["op_vert"]);
  const std::vector<int> opHorz = test::Ints(state["op_horz"]);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(puzzle.OpVert(k), opVert[k - 1]) << "OpVert" << k;
    EXPECT_EQ(puzzle.OpHorz(k), opHorz[k - 1]) << "OpHorz" << k;
  }
  const std::vector<int> symbols = test::Ints(state["symbols"]);
  const std::vector<int> verdicts = test::Ints(state["verdicts"]);
  for (int d = 0; d < 10; ++d) {
    EXPECT_EQ(puzzle.Symbols(d), symbols[d]);
    EXPECT_EQ(puzzle.SolveStatus(d), verdicts[d]);
  }
  EXPECT_EQ(puzzle.Solved(), state["solved"].toBool());
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

  const std::string before = puzzle.MakeSendString();
  for (const char* text : {"++++++32768;0;0;0;0;0;0;0;0", "++++++0;-32769;0;0;0;0;0;0;0",
                           "++++++0;0;32767.5;0;0;0;0;0;0", "++++++0;0;0;99999999999999999999999;0;0;0;0;0"}) {
    EXPECT_FALSE(puzzle.GetSendString(text)) << text;
    EXPECT_EQ(puzzle.MakeSendString(), before) << "a refused text changed the puzzle";
  }
}

TEST(PuzzleText, IndexedAccessOutsideRangeThrowsBeforeChanging) {
  clsPuzzle puzzle;
  EXPECT_THROW(puzzle.Symbols(-1), std::out_of_range);
  EXPECT_THROW(puzzle.SetSymbols(10, 3), std::out_of_range);
  EXPECT_THROW(puzzle.SetNumber(10, 1), std::out_of_range);
  EXPECT_THROW(puzzle.SetOpHorz(0, 1), std::out_of_range);
  EXPECT_EQ(puzzle.MakeSendString(), "------0;0;0;0;0;0;0;0;0");
}

}  // namespace
}  // namespace glyph
