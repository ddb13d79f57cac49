#include <gtest/gtest.h>

#include "core/solution_rules.h"
#include "support/vectors.h"

namespace glyph {
namespace {

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

// The net effect of a whole double click from every cell value.
TEST(SolutionRules, DoubleClickTable) {
  const std::vector<std::pair<std::int16_t, std::int16_t>> table{{kCellOpen, kCellYes},
                                                                 {kCellNo, kCellYes},
                                                                 {kCellYes, kCellOpen},
                                                                 {kCellGreyed, kCellGreyedNo},
                                                                 {kCellGreyedNo, kCellGreyed}};
  for (const auto& [before, after] : table) {
    clsSolveStatus grid;
    grid.ReadFromString(std::string(44, '0') + static_cast<char>('0' + before));
    MarkCell(grid, 4, 4, false);
    MarkCell(grid, 4, 4, true);
    EXPECT_EQ(grid.Status(4, 4), after) << "from " << before;
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

}  // namespace
}  // namespace glyph
