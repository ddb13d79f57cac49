// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "core/cls_system_random.h"
#include "core/daily_puzzle.h"
#include "core/puzzle_code.h"
#include "core/solution_counter.h"

namespace glyph {
namespace {

// Codes given out by this release, each with its puzzle as Described gives
// it: a change of the format that would stop them opening, or open them as
// other puzzles, fails here.
constexpr std::array<std::pair<const char*, const char*>, 3> kPinned{{
    {"20101-1KMGC-4YF6M", "-+--+-972;163;809;183;360;543;789;523;266 2849506317"},
    {"1QGZE-7WB12-PFNT5", "------856;367;489;419;264;155;437;103;334 8716409235"},
    {"0Q30W-48RE5-HVXED", "---+++414;582;996;135;410;545;279;172;451 2704839615"},  // the daily puzzle of 2026-12-07
}};
constexpr std::string_view kLetters = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// Numbers, operators and symbols in one line; "refused" for no puzzle.
std::string Described(const std::optional<clsPuzzle>& puzzle) {
  if (!puzzle) return "refused";
  std::string text = puzzle->MakeSendString() + " ";
  for (int d = 0; d < 10; ++d) text += static_cast<char>('0' + puzzle->Symbols(d));
  return text;
}

TEST(PuzzleCode, PinnedCodesStillMeanTheirPuzzles) {
  for (const auto& [code, described] : kPinned) {
    const std::optional<clsPuzzle> decoded = PuzzleFromCode(code);
    ASSERT_EQ(Described(decoded), described);
    EXPECT_EQ(PuzzleCode(*decoded), code);
  }
}

TEST(PuzzleCode, EveryGeneratedPuzzleComesBackUnsolved) {
  clsSystemRandom random(2026);
  for (int i = 0; i < 300; ++i) {
    clsPuzzle puzzle;
    puzzle.MakePuzzle(random);
    puzzle.SetSolved(true);
    puzzle.SetSolveStatus(i % 10, 2);
    const std::optional<clsPuzzle> decoded = PuzzleFromCode(PuzzleCode(puzzle));
    ASSERT_EQ(Described(decoded), Described(puzzle));
    EXPECT_FALSE(decoded->Solved());
    EXPECT_EQ(decoded->SolveStatus(i % 10), 0);
  }
  EXPECT_THROW(PuzzleCode(clsPuzzle{}), std::invalid_argument);
}

TEST(PuzzleCode, ReadsWhatAPersonTypes) {
  const std::string expected = kPinned[0].second;  // 20101-1KMGC-4YF6M
  for (const char* typed : {"2oiol1kmgc4yf6m", " 2O1O1 - LKMGC - 4YF6M ", "2-0-1-0-1-1kMgC4yF6m"}) {
    EXPECT_EQ(Described(PuzzleFromCode(typed)), expected) << typed;
  }
  // The length is bounded before anything is read, hyphens included.
  const std::string code = kPinned[0].first;
  EXPECT_EQ(Described(PuzzleFromCode(code + std::string(64 - code.size(), '-'))), expected);
  EXPECT_FALSE(PuzzleFromCode(code + std::string(65 - code.size(), '-')));
}

TEST(PuzzleCode, TheCheckRefusesEveryChangeAndSwap) {
  for (const auto& pinned : kPinned) {
    std::string code = pinned.first;
    std::erase(code, '-');
    const auto refused = [&](const std::string& typo) { return typo == code || !ReadCode(typo); };
    for (std::size_t i = 0; i < code.size(); ++i) {
      for (char c : kLetters) {
        std::string typo = code;
        typo[i] = c;
        EXPECT_TRUE(refused(typo)) << typo;
      }
      for (std::size_t j = i + 1; j < code.size(); ++j) {
        std::string typo = code;
        std::swap(typo[i], typo[j]);
        EXPECT_TRUE(refused(typo)) << typo;
      }
    }
  }
}

TEST(PuzzleCode, RefusesWhatIsNotACode) {
  for (const char* text : {"", "20101-1KMGC-4YF6", "20101-1KMGC-4YF6MM", "20101-1KMGC-4YF6M0", "20101-1KMGU-4YF6M",
                           "20101-1KMGC_4YF6M", "20101-1KMGC-4YF6*", "20101\t1KMGC-4YF6M"}) {
    EXPECT_FALSE(PuzzleFromCode(text)) << text;
  }
  // Zeros pass the check at any length; only fifteen make a code.
  EXPECT_TRUE(ReadCode("00000-00000-00000"));
  EXPECT_FALSE(ReadCode("00000-00000-0000"));
  // A well-formed code of a later format is not read as this one.
  const PuzzleCodeValue value = *ReadCode(kPinned[0].first);
  const std::string later = WriteCode(value | PuzzleCodeValue{1} << kPuzzleCodeVersionShift);
  EXPECT_TRUE(ReadCode(later));
  EXPECT_FALSE(PuzzleFromCode(later));
  EXPECT_THROW(WriteCode(PuzzleCodeValue{1} << kPuzzleCodeBits), std::out_of_range);
}

TEST(PuzzleCode, OpensOnlyFullPuzzles) {
  // All zeros is 100 + 100 = 200 everywhere: the sums hold, but most
  // digits are missing.
  EXPECT_FALSE(PuzzleFromCode(WriteCode(0)));
  // Random format-0 values: whatever opens is sound with three-digit
  // numbers, and its code (only a full puzzle has one) is where it came from.
  std::mt19937_64 bits(11);
  int opened = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string code = WriteCode(PuzzleCodeValue{bits() & 7} << 64 | bits());
    const std::optional<clsPuzzle> decoded = PuzzleFromCode(code);
    if (!decoded) continue;
    ++opened;
    ASSERT_TRUE(IsSoundPuzzle(*decoded)) << code;
    for (int k = 1; k <= 9; ++k) EXPECT_GE(decoded->Number(k), 100) << code;
    EXPECT_EQ(PuzzleCode(*decoded), code);
  }
  EXPECT_GT(opened, 0);
}

TEST(DailyPuzzle, TheLevelRisesOverTheWeek) {
  const std::array<Difficulty, 7> week{Difficulty::Easy, Difficulty::Easy, Difficulty::Medium, Difficulty::Medium,
                                       Difficulty::Hard, Difficulty::Hard, Difficulty::Expert};
  for (int i = 0; i < 7; ++i) {
    const int day = 7 + i;  // Monday 7 December 2026 to Sunday 13 December
    EXPECT_EQ(DailyDifficulty(2026, 12, day), week[static_cast<std::size_t>(i)]) << day;
    const clsPuzzle puzzle = DailyPuzzle(2026, 12, day);
    EXPECT_EQ(RatePuzzle(puzzle), week[static_cast<std::size_t>(i)]) << day;
    EXPECT_EQ(CountSolutions(puzzle), 1) << day;
  }
  EXPECT_EQ(DailyDifficulty(2024, 2, 29), Difficulty::Medium);  // a Thursday
}

// A date is written with four, two and two digits and dashes, and names a
// day of the calendar in the years 1 to 9999.
TEST(DailyPuzzle, OnlyADayOfTheCalendarIsADate) {
  for (const char* text : {"0001-01-01", "2024-02-29", "2027-01-31", "9999-12-31"}) {
    const std::optional<CalendarDate> date = ReadDate(text);
    EXPECT_TRUE(date && DateExists(*date)) << text;
  }
  for (const char* text :
       {"0000-01-01", "2026-02-29", "2026-04-31", "2027-00-10", "2027-13-01", "2027-01-00", "2027-01-32", "2027-1-01",
        "2027-01-01x", "2027x01-01", "2027-01x01", "2027-+1-01", "2027- 1-01", "+202-01-01"}) {
    const std::optional<CalendarDate> date = ReadDate(text);
    EXPECT_FALSE(date && DateExists(*date)) << text;
  }
  EXPECT_THROW(DailyDifficulty(2026, 2, 29), std::invalid_argument);
  EXPECT_THROW(DailyPuzzle(2026, 257, 1), std::invalid_argument);  // would be January in std::chrono's byte
  EXPECT_THROW(DailyPuzzle(10000, 1, 1), std::invalid_argument);
}

TEST(DailyPuzzle, EveryCopyDrawsTheSamePuzzleForADate) {
  EXPECT_EQ(PuzzleCode(DailyPuzzle(2026, 12, 7)), kPinned[2].first);
  EXPECT_EQ(PuzzleCode(DailyPuzzle(2031, 5, 17)), PuzzleCode(DailyPuzzle(2031, 5, 17)));
  // Two Tuesdays: the same level, yet different puzzles.
  EXPECT_NE(PuzzleCode(DailyPuzzle(2026, 12, 8)), PuzzleCode(DailyPuzzle(2026, 12, 15)));
}

}  // namespace
}  // namespace glyph
