#include <gtest/gtest.h>

#include "core/cls_every_number.h"
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

TEST(EveryNumber, CompleteOnlyWithAllTenDigits) {
  clsEveryNumber set;
  for (std::int16_t n : {123, 456, 789}) set.AddNumber(n);
  EXPECT_FALSE(set.IsComplete());
  set.AddNumber(50);  // a number below 100 marks 0 for its hundreds
  EXPECT_TRUE(set.IsComplete());
}

TEST(EveryNumber, RejectsMisuse) {
  clsEveryNumber set;
  EXPECT_THROW(set.AddNumber(-1), std::invalid_argument);
  EXPECT_THROW(set.HasNumber(-1), std::invalid_argument);
  EXPECT_THROW(set.Present(10), std::out_of_range);
  EXPECT_THROW(set.Present(-1), std::out_of_range);
}

}  // namespace
}  // namespace glyph
