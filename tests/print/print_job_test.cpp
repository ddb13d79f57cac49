// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "core/cls_system_random.h"
#include "core/deduction.h"
#include "core/puzzle_code.h"
#include "i18n/cls_catalogue.h"
#include "print/cls_printer_system.h"
#include "print/print_job.h"
#include "support/recording_page_device.h"

namespace glyph {
namespace {

using Drawn = clsRecordingPageDevice::Drawn;

// Two columns; three rows of puzzles without grid. Both pages are as high as
// their rows need, so the puzzles keep their design size.
constexpr int kWidth = 2 * 4800 + 300;
constexpr int kHeight = 400 + 3 * 2650;
constexpr int kGridHeight = 400 + 6800;  // one row of puzzles with grid

class PrintJobTest : public ::testing::Test {
 protected:
  PrintJobTest() {
    board_.GetSendString("-+-+-+740;227;967;518;356;162;222;583;805");
    for (int d = 0; d < 10; ++d) board_.SetSymbols(d, static_cast<std::int16_t>(9 - d));
  }

  std::optional<PrintResult> Print(const std::string& count, bool grid, bool solutions, int width = kWidth,
                                   int height = kHeight) {
    device_ = std::make_unique<clsRecordingPageDevice>(width, height);
    return RunPrintJob(board_, {count, grid, solutions}, *device_, random_, catalogue_, "https://x.example/");
  }

  clsPuzzle board_;
  clsSystemRandom random_{3};
  clsCatalogue catalogue_;
  std::unique_ptr<clsRecordingPageDevice> device_;
};

TEST_F(PrintJobTest, OnePuzzleIsTheBoardsOwn) {
  const auto result = Print("1", false, false);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->pages, 1);
  EXPECT_EQ(result->puzzles, 1);
  EXPECT_TRUE(device_->ended);
  ASSERT_EQ(device_->drawn.size(), 2u + 2u + 27u + 6u + 3u + 1u);  // header, caption and code, glyphs, rule

  EXPECT_EQ(device_->drawn[0].font, (PrintFont{"Times New Roman", 16, true, false}));
  EXPECT_EQ(device_->drawn[1].x, kWidth - 100 * 18 - 100);  // the address right-aligned, 100 from the edge
  // The puzzle's level and its code, to play the paper puzzle in the game.
  EXPECT_EQ(device_->drawn[2].text, "Puzzle 1 (" + std::string(DifficultyName(RatePuzzle(board_))) + ")");
  EXPECT_EQ(device_->drawn[3].text, PuzzleCode(board_));
  EXPECT_EQ(device_->drawn[3].x, 4400 - 100 * 17);  // right-aligned over the puzzle

  // 740: hundreds 7 at x, tens 4 at x + 400, ones 0 at x + 800, in row 1.
  auto glyphAt = [&](int x, int y) {
    for (const Drawn& d : device_->drawn) {
      if (d.kind == Drawn::Glyph && d.x == x && d.y == y) return d.glyph;
    }
    return PrintGlyph{};
  };
  EXPECT_EQ(glyphAt(0, 1000), (PrintGlyph{PictureKind::Symbol, 9 - 7}));
  EXPECT_EQ(glyphAt(400, 1000), (PrintGlyph{PictureKind::Symbol, 9 - 4}));
  EXPECT_EQ(glyphAt(800, 1000), (PrintGlyph{PictureKind::Symbol, 9 - 0}));
  EXPECT_EQ(glyphAt(1200, 1000).kind, PictureKind::Plus);                    // OpVert1
  EXPECT_EQ(glyphAt(1200, 1800).kind, PictureKind::Minus);                   // OpVert2
  EXPECT_EQ(glyphAt(2800, 2300).kind, PictureKind::Equals);                  // row 3
  EXPECT_EQ(glyphAt(400, 1400).kind, PictureKind::Minus);                    // OpHorz1
  EXPECT_EQ(glyphAt(2000, 1400).kind, PictureKind::Plus);                    // OpHorz2
  EXPECT_EQ(glyphAt(4000, 2300), (PrintGlyph{PictureKind::Symbol, 9 - 5}));  // ones of 805
  const Drawn& rule = device_->drawn.back();
  EXPECT_EQ(rule.kind, Drawn::Box);
  EXPECT_EQ(std::vector<int>({rule.x, rule.y, rule.x2, rule.y2}), std::vector<int>({0, 2250, 4400, 2270}));
}

TEST_F(PrintJobTest, GridAndSolutionsOverTwoPagesShareOneSolutionPage) {
  // Two puzzles with grid fit a page: five make three groups' worth of pages.
  const auto result = Print("5", true, true, kWidth, kGridHeight);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->puzzles, 5);
  EXPECT_EQ(result->solutions, 5);
  EXPECT_EQ(device_->Captions(1), (std::vector<std::string>{"Puzzle 1", "Puzzle 2"}));
  EXPECT_EQ(device_->Captions(2), (std::vector<std::string>{"Puzzle 3", "Puzzle 4"}));
  EXPECT_EQ(device_->Captions(3), (std::vector<std::string>{"Puzzle 1", "Puzzle 2", "Puzzle 3", "Puzzle 4"}));
  // The last group holds one puzzle: its page, then its solution, no empty page between.
  EXPECT_EQ(device_->Captions(4), std::vector<std::string>{"Puzzle 5"});
  EXPECT_EQ(device_->Captions(5), std::vector<std::string>{"Puzzle 5"});
  EXPECT_EQ(result->pages, 5);
  // Solutions in slots of the short pitch: the third starts the second row;
  // the second column ends at the page's right edge.
  std::vector<std::pair<int, int>> slots;
  for (const Drawn& d : device_->drawn) {
    if (d.page == 3 && d.text.rfind("Puzzle", 0) == 0) slots.push_back({d.x, d.y});
  }
  constexpr int kRight = kWidth - 4400;
  EXPECT_EQ(slots, (std::vector<std::pair<int, int>>{{0, 500}, {kRight, 500}, {0, 3150}, {kRight, 3150}}));
  // Under each solution its key: every symbol with its digit.
  std::vector<std::pair<int, std::string>> key;
  for (const Drawn& d : device_->drawn) {
    if (d.page == 5 && d.y >= 500 + 2250 && d.kind == Drawn::Glyph) key.push_back({d.glyph.index, ""});
    if (d.page == 5 && d.y >= 500 + 2250 && d.kind == Drawn::Text) key.back().second = d.text;
  }
  ASSERT_EQ(key.size(), 10u);
  for (int d = 0; d < 10; ++d) EXPECT_EQ(key[static_cast<std::size_t>(d)], std::make_pair(9 - d, std::to_string(d)));
}

TEST_F(PrintJobTest, GridIsATableOfSymbolsAndDigits) {
  const auto result = Print("1", true, false, kWidth, kGridHeight);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->pages, 1);  // without solutions, no page of them
  int digits = 0;
  for (const Drawn& d : device_->drawn) {
    if (d.kind == Drawn::Glyph && d.y >= 500 + 2500) {
      const int row = (d.y - 3000) / 400;
      EXPECT_EQ(d.glyph, (PrintGlyph{PictureKind::Symbol, row}));
      EXPECT_EQ(d.x, 0);
    }
    if (d.kind == Drawn::Text && d.y >= 500 + 2500) {
      const int column = d.text[0] - '0';
      EXPECT_EQ(d.x, 400 * (column + 1) + 100);
      ++digits;
    }
  }
  EXPECT_EQ(digits, 100);
  EXPECT_EQ(Print("9", false, false)->pages, 2);  // six a page without grids, page by page
}

// On a page with room to spare (A4 within margins of 1 cm) the puzzles grow
// as far as both width and height allow, and the columns spread to the edge.
TEST_F(PrintJobTest, PuzzlesGrowToFillARoomyPage) {
  constexpr int kA4Width = 10772;
  constexpr int kA4Height = 15704;
  ASSERT_TRUE(Print("12", false, false, kA4Width, kA4Height));
  int right = 0;
  int bottom = 0;
  for (const Drawn& d : device_->drawn) {
    if (d.kind == Drawn::Text) continue;
    right = std::max(right, d.x2);
    bottom = std::max(bottom, d.y2);
  }
  EXPECT_EQ(right, kA4Width);
  EXPECT_LE(bottom, kA4Height);
  EXPECT_GT(bottom, kA4Height - 800);  // five rows reach down the page
  EXPECT_EQ(device_->Captions(1).size(), 10u);
  const auto glyph =
      std::find_if(device_->drawn.begin(), device_->drawn.end(), [](const Drawn& d) { return d.kind == Drawn::Glyph; });
  EXPECT_EQ(glyph->x2 - glyph->x, 347);  // 300 twips by the height's 15304 / 13250
}

TEST_F(PrintJobTest, APageTooSmallForOnePuzzleDrawsNothing) {
  EXPECT_FALSE(Print("1", false, false, 4000, 20000));
  EXPECT_TRUE(device_->drawn.empty());
  EXPECT_FALSE(Print("1", true, false, 10000, 5000));
  EXPECT_TRUE(Print("1", false, false, 10000, 5000));
}

TEST(PrintTarget, APdfFileNameEndsInPdf) {
  EXPECT_EQ(WithPdfExtension("/tmp/puzzles"), "/tmp/puzzles.pdf");
  EXPECT_EQ(WithPdfExtension("R\xC3\xA4tsel.PDF"), "R\xC3\xA4tsel.PDF");
  EXPECT_EQ(WithPdfExtension(".pdf.txt"), ".pdf.txt.pdf");
}

// A batch is 1 to 1,000 puzzles: the spin buttons stay there, and a count
// typed beyond is refused.
TEST(PrintCount, ABatchIsOneToAThousandPuzzles) {
  EXPECT_EQ(CountUp("abc"), "1");
  EXPECT_EQ(CountUp("-7"), "1");
  EXPECT_EQ(CountDown("1"), "1");
  EXPECT_EQ(CountUp("999"), "1000");
  EXPECT_EQ(CountUp("99999999999"), "1000");
  EXPECT_TRUE(IsPrintableCount(" 1000"));
  for (const char* refused : {"0", "abc", "1001", "2000000000"}) EXPECT_FALSE(IsPrintableCount(refused)) << refused;
}

}  // namespace
}  // namespace glyph
