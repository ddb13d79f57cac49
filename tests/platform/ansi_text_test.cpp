#include <gtest/gtest.h>

#include "platform/ansi_text.h"

namespace glyph {
namespace {

TEST(AnsiText, EveryByteDecodesAndEncodesBackToItself) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  bool lossy = true;
  EXPECT_EQ(ToAnsi(FromAnsi(all), &lossy), all);
  EXPECT_FALSE(lossy);
}

TEST(AnsiText, WindowsCharactersOf0x80To0x9F) {
  EXPECT_EQ(FromAnsi("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(FromAnsi("\x9F"), QString(QChar(0x0178)));  // Y with diaeresis
  EXPECT_EQ(FromAnsi("\x8D"), QString(QChar(0x008D)));  // undefined: the control of the same value
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u201Cquoted\u201D \u2013 \u20AC5")),
            "\x93quoted\x94 \x96 \x80"
            "5");
  EXPECT_EQ(ToAnsi(QString::fromUtf8("Gr\u00FC\u00DFe")),
            "Gr\xFC\xDF"
            "e");  // Latin-1 as it is
}

TEST(AnsiText, CharactersOutsideTheSetBecomeQuestionMarks) {
  bool lossy = false;
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u4E2Db\U0001F600c"), &lossy), "a?b?c");
  EXPECT_TRUE(lossy);
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u0100")), "?");  // just past Latin-1
}

}  // namespace
}  // namespace glyph
