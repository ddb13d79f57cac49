#include <gtest/gtest.h>

#include "core/cls_solve_status.h"
#include "support/vectors.h"

namespace glyph {
namespace {

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

TEST(SolveStatus, BadIndicesAndValuesThrowBeforeChanging) {
  clsSolveStatus grid;
  EXPECT_THROW(grid.Status(0, -1), std::out_of_range);
  EXPECT_THROW(grid.SetStatus(3, 10, kCellYes), std::out_of_range);
  EXPECT_THROW(grid.SetStatus(3, 3, 10), std::invalid_argument);
  EXPECT_EQ(grid.MakeStatusString(), std::string(100, '0'));
}

}  // namespace
}  // namespace glyph
