// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include "print/cls_printer_system.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "core/lenient_number.h"
#include "core/puzzle_code.h"
#include "i18n/cls_catalogue.h"
#include "print/cls_page_device.h"

namespace glyph {

namespace {

using namespace print_layout;

const PrintFont kTitleFont{"Times New Roman", 16, true, false};
const PrintFont kAddressFont{"Times New Roman", 12, true, false};
// Captions carry an underline besides the bold of the other texts.
const PrintFont kCaptionFont{"Times New Roman", 14, true, true};
const PrintFont kDigitFont{"Times New Roman", 16, true, false};
const PrintFont kCodeFont{"Times New Roman", 10, false, false};
const PrintFont kKeyFont{"Times New Roman", 11, true, false};

// The glyph columns of a puzzle, from the slot's left edge.
constexpr int kFirstNumber = 0;
constexpr int kRowOperator = 1200;
constexpr int kSecondNumber = 1600;
constexpr int kEquals = 2800;
constexpr int kThirdNumber = 3200;
constexpr int kDigitPitch = 400;
constexpr int kRowTops[3] = {500, 1300, 1800};
constexpr int kColumnOperatorTop = 900;
constexpr int kRuleTop = 1750;
constexpr int kRuleBottom = 1770;
constexpr int kRuleWidth = 4400;
constexpr int kItemWidth = kRuleWidth;  // the widest part of a puzzle
constexpr int kGridTop = 2500;
constexpr int kGridRowPitch = 400;
// A solution's key under its sums: each symbol and its digit.
constexpr int kKeyTop = 2250;
constexpr int kKeyPitch = 440;
constexpr int kKeyGlyph = 220;

struct Item {
  clsPuzzle puzzle;
  int number;
  std::string code = "";  // the code of the puzzle as printed, to play it in the game
  Difficulty rating = Difficulty::Any;
};

class clsPrintJob {
 public:
  clsPrintJob(const clsPuzzle& board, const PrintOptions& options, clsPageDevice& device, clsRandomSource& random,
              const clsCatalogue& catalogue, const std::string& webAddress, clsPrintProgress* progress)
      : board_(board),
        options_(options),
        device_(device),
        random_(random),
        catalogue_(catalogue),
        webAddress_(webAddress),
        progress_(progress) {}

  std::optional<PrintResult> Run() {
    caption_ = catalogue_.GetTranslation(kPrintModule, "strPuzzle", "Puzzle");
    const int count = std::clamp(ReadLenientInt32(options_.count), 0, kMostPrintedPuzzles);
    const int columns = device_.Width() / kColumnPitch;
    const int rows = (device_.Height() - kBottomReserve) / (options_.grid ? kRowPitchWithGrid : kRowPitch);
    if (columns <= 0 || rows <= 0) return std::nullopt;  // the page cannot hold one puzzle
    columns_ = columns;
    perPage_ = columns * rows;
    FitToPage(rows, options_.grid ? kRowPitchWithGrid : kRowPitch);

    if (progress_ != nullptr) progress_->Start(options_.solutions ? 2 * count : count);
    Header();
    if (options_.grid && options_.solutions && count > perPage_) {
      PrintInGroups(count);
    } else {
      PrintPageByPage(count);
    }
    device_.EndDoc();
    if (progress_ != nullptr) progress_->Finish();
    return result_;
  }

 private:
  // The page holds as many puzzles as their design size allows; they are
  // then drawn larger, as far as width and height both allow, and the
  // columns spread so that the last ends at the page's right edge.
  void FitToPage(int rows, int rowPitch) {
    const double width = static_cast<double>(device_.Width());
    const double across = static_cast<double>(columns_ * kColumnPitch - (kColumnPitch - kItemWidth));
    const double down = static_cast<double>(rows * rowPitch);
    scale_ = std::max(1.0, std::min(width / across, (device_.Height() - kBottomReserve) / down));
    columnPitch_ = columns_ > 1 ? (device_.Width() - Scaled(kItemWidth)) / (columns_ - 1) : 0;
  }

  int Scaled(int twips) const { return static_cast<int>(std::lround(twips * scale_)); }
  PrintFont Scaled(PrintFont font) const {
    font.points = Scaled(font.points);
    return font;
  }

  // Two pages of puzzles with their grids, then one page of their solutions.
  void PrintInGroups(int count) {
    const int pages = (count + perPage_ - 1) / perPage_;
    const int groups = (pages + 1) / 2;
    for (int g = 0; g < groups; ++g) {
      const std::vector<Item> items = MakePuzzles(std::min(2 * perPage_, count - made_));
      if (g > 0) NextPage();
      const auto half = items.begin() + std::min<std::ptrdiff_t>(perPage_, static_cast<std::ptrdiff_t>(items.size()));
      DrawItems({items.begin(), half}, false, kRowPitchWithGrid);
      // A group short of a second page of puzzles gets no empty page for it.
      if (half != items.end()) {
        NextPage();
        DrawItems({half, items.end()}, false, kRowPitchWithGrid);
      }
      NextPage();
      DrawItems(items, true, kRowPitch);
    }
  }

  void PrintPageByPage(int count) {
    const int pages = (count + perPage_ - 1) / perPage_;
    const int pitch = options_.grid ? kRowPitchWithGrid : kRowPitch;
    for (int p = 0; p < pages; ++p) {
      const std::vector<Item> items = MakePuzzles(std::min(perPage_, count - made_));
      if (p > 0) NextPage();
      DrawItems(items, false, pitch);
      if (options_.solutions) {
        NextPage();
        DrawItems(items, true, kRowPitch);
      }
    }
  }

  // The first puzzle of the job is the board's, copied through its text
  // form; every other one is new.
  std::vector<Item> MakePuzzles(int count) {
    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
      Item item{clsPuzzle(), ++made_};
      if (made_ == 1) {
        item.puzzle.GetSendString(board_.MakeSendString());
      } else {
        MakeRatedPuzzle(item.puzzle, random_, options_.difficulty);
      }
      // Printed with the board's symbols: the code and the rating are those
      // of the puzzle as it stands on the paper.
      clsPuzzle printed = item.puzzle;
      for (int d = 0; d < 10; ++d) printed.SetSymbols(d, board_.Symbols(d));
      try {
        item.code = PuzzleCode(printed);
      } catch (const std::invalid_argument&) {
        item.code.clear();  // a puzzle no code holds (an odd saved game's)
      }
      item.rating = made_ == 1 || options_.difficulty == Difficulty::Any ? RatePuzzle(printed) : options_.difficulty;
      items.push_back(std::move(item));
    }
    return items;
  }

  void NextPage() {
    device_.NewPage();
    ++result_.pages;
    Header();
  }

  void Header() {
    device_.SetFont(kTitleFont);
    device_.DrawText(0, 0, catalogue_.GetTranslation(kPrintModule, "strPrintTitle", "Glyphmatic 2.0 puzzles"));
    device_.SetFont(kAddressFont);
    device_.DrawText(device_.Width() - device_.TextWidth(webAddress_) - kRightMargin, 0, webAddress_);
  }

  // Fills the slots of a page from the first: left to right, then down.
  void DrawItems(const std::vector<Item>& items, bool solutions, int rowPitch) {
    int x = 0;
    int y = kFirstRowTop;
    int position = 0;
    for (const Item& item : items) {
      DrawItem(item, solutions, x, y);
      ++position;
      if (position % columns_ == 0) {
        x = 0;
        y += Scaled(rowPitch);
      } else {
        x += columnPitch_;
      }
      if (solutions) {
        ++result_.solutions;
      } else {
        ++result_.puzzles;
      }
      if (progress_ != nullptr) progress_->Advance(result_.puzzles + result_.solutions);
    }
  }

  // The puzzle drawn from the same description as the screen's board, with
  // the board's symbols; a solution shows the digits themselves.
  void DrawItem(const Item& item, bool solution, int x, int y) {
    // "Puzzle 3 (medium)", and its code at the right: a paper puzzle can be
    // played in the game and matched with its solution.
    device_.SetFont(Scaled(kCaptionFont));
    std::string caption = caption_ + " " + std::to_string(item.number);
    if (item.rating != Difficulty::Any) caption += " (" + RatingText(item.rating) + ")";
    device_.DrawText(x, y, caption);
    if (!item.code.empty()) {
      device_.SetFont(Scaled(kCodeFont));
      device_.DrawText(x + Scaled(kItemWidth) - device_.TextWidth(item.code), y, item.code);
    }

    const clsPuzzle& puzzle = item.puzzle;
    const PuzzlePictures pictures = DescribePuzzle(puzzle, board_, nullptr);
    const int numberLefts[3] = {kFirstNumber, kSecondNumber, kThirdNumber};
    const auto number = [&](int k, int left, int top) {
      DrawNumber(puzzle.Number(k), pictures.digits[static_cast<std::size_t>(k - 1)], solution, x + Scaled(left), top);
    };
    for (int row = 0; row < 3; ++row) {
      const int top = y + Scaled(kRowTops[row]);
      number(3 * row + 1, kFirstNumber, top);
      DrawGlyph(pictures.opVert[static_cast<std::size_t>(row)], x + Scaled(kRowOperator), top);
      number(3 * row + 2, kSecondNumber, top);
      DrawGlyph({PictureKind::Equals, 0}, x + Scaled(kEquals), top);
      number(3 * row + 3, kThirdNumber, top);
    }
    for (int column = 0; column < 3; ++column) {
      DrawGlyph(pictures.opHorz[static_cast<std::size_t>(column)], x + Scaled(numberLefts[column] + kDigitPitch),
                y + Scaled(kColumnOperatorTop));
    }
    device_.FillBox(x, y + Scaled(kRuleTop), x + Scaled(kRuleWidth), y + Scaled(kRuleBottom), Rgb(0, 0, 0));
    if (options_.grid && !solution) DrawGrid(x, y + Scaled(kGridTop));
    if (solution) DrawKey(x, y + Scaled(kKeyTop));
  }

  // Every symbol with its digit, in the order of the digits.
  void DrawKey(int x, int y) {
    device_.SetFont(Scaled(kKeyFont));
    for (int d = 0; d < 10; ++d) {
      const int left = x + Scaled(kKeyPitch * d);
      device_.DrawGlyph({PictureKind::Symbol, board_.Symbols(d)}, left, y, Scaled(kKeyGlyph), Scaled(kKeyGlyph));
      const std::string digit = std::to_string(d);
      device_.DrawText(left + Scaled(kKeyGlyph) + Scaled(40), y + (Scaled(kKeyGlyph) - device_.TextHeight(digit)) / 2,
                       digit);
    }
  }

  std::string RatingText(Difficulty rating) const {
    const auto text = [&](const char* key, const char* english) {
      return catalogue_.GetTranslation(kPrintModule, key, english);
    };
    switch (rating) {
      case Difficulty::Easy: return text("strLevelEasy", "easy");
      case Difficulty::Medium: return text("strLevelMedium", "medium");
      case Difficulty::Hard: return text("strLevelHard", "hard");
      case Difficulty::Expert: return text("strLevelExpert", "expert");
      case Difficulty::Several: return text("strLevelSeveral", "several solutions");
      case Difficulty::Any: break;
    }
    return {};
  }

  void DrawGlyph(const BoardPicture& picture, int x, int y) {
    device_.DrawGlyph({picture.kind, picture.index}, x, y, Scaled(kGlyph), Scaled(kGlyph));
  }

  // A number's three places, ones first: its pictures on a puzzle, the
  // digits themselves on a solution.
  void DrawNumber(int number, const std::array<BoardPicture, 3>& places, bool solution, int left, int top) {
    for (int place = 0; place < 3; ++place) {
      const int x = left + Scaled((2 - place) * kDigitPitch);
      const BoardPicture& picture = places[static_cast<std::size_t>(kOnes - place)];
      if (solution) {
        DrawDigit(DigitAt(number, place), x, top);
      } else if (picture.index >= 0 && picture.index <= 9) {
        DrawGlyph(picture, x, top);
      }
    }
  }

  void DrawSymbol(int symbol, int x, int y) {
    if (symbol >= 0 && symbol <= 9) DrawGlyph({PictureKind::Symbol, symbol}, x, y);
  }

  void DrawDigit(int digit, int x, int y) {
    device_.SetFont(Scaled(kDigitFont));
    const std::string text = std::to_string(digit);
    const int side = Scaled(kGlyph);
    device_.DrawText(x + (side - device_.TextWidth(text)) / 2, y + (side - device_.TextHeight(text)) / 2, text);
  }

  // Ten rows: a symbol, then the ten digits; no lines.
  void DrawGrid(int x, int y) {
    for (int r = 0; r < 10; ++r) {
      const int top = y + Scaled(kGridRowPitch * r);
      DrawSymbol(r, x, top);
      for (int c = 0; c < 10; ++c) DrawDigit(c, x + Scaled(kDigitPitch * (c + 1)), top);
    }
  }

  const clsPuzzle& board_;
  const PrintOptions& options_;
  clsPageDevice& device_;
  clsRandomSource& random_;
  const clsCatalogue& catalogue_;
  const std::string& webAddress_;
  clsPrintProgress* progress_;
  std::string caption_;
  int columns_ = 1;
  int perPage_ = 1;
  double scale_ = 1.0;  // the design's twips to the page's
  int columnPitch_ = 0;
  int made_ = 0;
  PrintResult result_{1, 0, 0};
};

}  // namespace

std::optional<PrintResult> RunPrintJob(const clsPuzzle& boardPuzzle, const PrintOptions& options, clsPageDevice& device,
                                       clsRandomSource& random, const clsCatalogue& catalogue,
                                       const std::string& webAddress, clsPrintProgress* progress) {
  return clsPrintJob(boardPuzzle, options, device, random, catalogue, webAddress, progress).Run();
}

bool IsPrintableCount(const std::string& count) {
  const std::int32_t value = ReadLenientInt32(count);
  return value >= 1 && value <= kMostPrintedPuzzles;
}

std::string CountUp(const std::string& count) {
  const long long next = static_cast<long long>(ReadLenientInt32(count)) + 1;
  return std::to_string(std::clamp<long long>(next, 1, kMostPrintedPuzzles));
}

std::string CountDown(const std::string& count) {
  const long long next = static_cast<long long>(ReadLenientInt32(count)) - 1;
  return std::to_string(std::clamp<long long>(next, 1, kMostPrintedPuzzles));
}

std::string WithPdfExtension(const std::string& fileName) {
  const std::string tail = fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : "";
  const bool hasExtension = tail.size() == 4 && tail[0] == '.' && (tail[1] | 0x20) == 'p' && (tail[2] | 0x20) == 'd' &&
                            (tail[3] | 0x20) == 'f';
  return hasExtension ? fileName : fileName + ".pdf";
}

}  // namespace glyph
