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

TEST(EveryNumber, RejectsMisuse) {
  clsEveryNumber set;
  EXPECT_THROW(set.AddNumber(-1), std::invalid_argument);
  EXPECT_THROW(set.Present(10), std::out_of_range);
}

}  // namespace
}  // namespace glyph
