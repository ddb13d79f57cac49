// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/statistics.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace glyph {
namespace {

constexpr StatsCategory kEasy = StatsCategory::Easy;
constexpr StatsCategory kHard = StatsCategory::Hard;

bool Play(clsStatistics& stats, StatsCategory category, int seconds) {
  stats.RecordStart(category);
  return stats.RecordSolve(category, seconds, true);
}

// Started, solved, clean, current run, longest run.
std::array<int, 5> Counts(const clsStatistics& stats, StatsCategory category) {
  const StatsSummary summary = stats.Summary(category);
  return {summary.started, summary.solved, summary.clean, summary.currentRun, summary.longestRun};
}

TEST(Statistics, RunsCountSolvedGamesInARowAndEndOnAGiveUpOrAnAbandonedGame) {
  clsStatistics stats;
  for (int i = 0; i < 3; ++i) Play(stats, kEasy, 60);
  stats.RecordStart(kEasy);
  stats.RecordGiveUp(kEasy);
  Play(stats, kEasy, 60);
  stats.RecordStart(kEasy);
  stats.RecordStart(kHard);                          // the easy game is left unfinished
  EXPECT_FALSE(stats.RecordSolve(kEasy, 10, true));  // and cannot be solved any more
  stats.RecordSolve(kHard, 200, false);
  stats.RecordGiveUp(kHard);  // no hard game open: nothing to end
  EXPECT_EQ(Counts(stats, kEasy), (std::array{6, 4, 4, 0, 3}));
  EXPECT_EQ(Counts(stats, kHard), (std::array{1, 1, 0, 1, 1}));
}

TEST(Statistics, OnlyATimeBeatingTheBestIsARecord) {
  clsStatistics stats;
  EXPECT_FALSE(Play(stats, kEasy, 90));
  EXPECT_FALSE(Play(stats, kEasy, 120));
  EXPECT_FALSE(Play(stats, kEasy, 90));
  EXPECT_TRUE(Play(stats, kEasy, 89));
  EXPECT_EQ(stats.Summary(kEasy).bestSeconds, 89);
}

TEST(Statistics, TheMedianIsTheMiddleTimeOrTheMeanOfTheMiddleTwoRoundedUp) {
  clsStatistics stats;
  EXPECT_EQ(stats.Summary(kEasy).medianSeconds, std::nullopt);
  for (const int seconds : {30, 10, 20}) Play(stats, kEasy, seconds);
  EXPECT_EQ(stats.Summary(kEasy).medianSeconds, 20);
  Play(stats, kEasy, 11);  // 10 11 20 30
  EXPECT_EQ(stats.Summary(kEasy).medianSeconds, 16);
}

TEST(Statistics, OnlyTheLastThousandTimesAreKeptButTheBestStays) {
  clsStatistics stats;
  for (int seconds = 0; seconds <= 1000; ++seconds) Play(stats, kEasy, seconds);
  const StatsSummary summary = stats.Summary(kEasy);
  EXPECT_EQ(summary.bestSeconds, 0);
  EXPECT_EQ(summary.medianSeconds, 501);  // of 1 to 1000
  ASSERT_EQ(summary.lastTimes.size(), 30u);
  EXPECT_EQ(summary.lastTimes.front(), 971);
  EXPECT_EQ(summary.lastTimes.back(), 1000);
}

TEST(StatisticsFile, WritesEachCategoryOnOneLineAndReadsItBack) {
  clsStatistics stats;
  Play(stats, kEasy, 95);
  stats.RecordStart(kEasy);
  stats.RecordSolve(kEasy, 61, false);
  stats.RecordStart(StatsCategory::Daily);
  const std::string text = SerialiseStatistics(stats);
  EXPECT_NE(text.find("\neasy started=2 solved=2 clean=1 run=2 longest=2 best=61 times=95,61\n"), std::string::npos);
  EXPECT_NE(text.find("\nopen daily\n"), std::string::npos);
  EXPECT_EQ(ParseStatistics(text), stats);
  EXPECT_EQ(ParseStatistics(""), clsStatistics());
}

TEST(StatisticsFile, RefusesADamagedFile) {
  const std::string medium = "medium started=1 solved=0 clean=0 run=0 longest=0\n";
  const std::string easy = "easy started=3 solved=2 clean=1 run=1 longest=2 best=5 times=5,7\n";
  const std::string sound = std::string(kStatisticsHeader) + "\n" + medium + easy + "open easy\n";
  ASSERT_TRUE(ParseStatistics(sound));
  std::string times1001 = "0";
  for (int i = 0; i < 1000; ++i) times1001 += ",0";
  // clang-format off
  const std::pair<std::string, std::string> damages[] = {
      {"statistics 1", "statistics 2"}, {"easy started", "weekly started"}, {" times", " hints=1 times"},
      {"run=1", "run=1 run=1"}, {"started=3", "started=9999999999"}, {"started=3", "started=+3"}, {"started=3", "started=3z"},
      {"started=3", "started=1"}, {"clean=1", "clean=3"}, {"run=1", "run=3"}, {"longest=2", "longest=3"},
      {"best=5 ", ""}, {"best=5", "best=6"}, {"5,7", "5"}, {"open easy", "open hard"},
      {"open easy", "open easy\nopen easy"}, {medium, medium + medium}, {medium, "\n"},
      {easy, "easy started=1001 solved=1001 clean=0 run=0 longest=0 best=0 times=" + times1001 + "\n"}};
  // clang-format on
  for (const auto& [from, to] : damages) {
    std::string damaged = sound;
    damaged.replace(damaged.find(from), from.size(), to);
    EXPECT_FALSE(ParseStatistics(damaged)) << from << " -> " << to.substr(0, 80);
  }
}

TEST(StatisticsFile, TheLargestFileTheGameCanWriteIsReadBack) {
  std::optional<clsStatistics> stats =
      ParseStatistics(std::string(kStatisticsHeader) + "\ndaily started=999999999 solved=0 clean=0 run=0 longest=0");
  ASSERT_TRUE(stats);
  Play(*stats, kEasy, -5);                                 // a clock set back: still a time the file can hold
  for (const StatsCategory category : kStatsCategories) {  // daily's count of starts is at its end and stays
    for (std::size_t i = 0; i < kKeptSolveTimes; ++i) Play(*stats, category, std::numeric_limits<int>::max());
  }
  EXPECT_EQ(ParseStatistics(SerialiseStatistics(*stats)), stats);
}

TEST(StatisticsFile, ADamagedFileIsMovedAsideUnderANameOfItsOwn) {
  std::string pattern = (std::filesystem::temp_directory_path() / "glyph-stats-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = std::filesystem::path(pattern) / "glyphmatic";
  clsStatistics stats;
  Play(stats, kHard, 300);
  EXPECT_EQ(LoadStatistics(folder).outcome, StatisticsLoad::Loaded);  // nothing there yet
  clsAtomicFileWriter writer;
  ASSERT_EQ(SaveStatistics(folder, stats, writer), WriteOutcome::Written);
  EXPECT_EQ(LoadStatistics(folder).statistics, stats);

  // Twice within the same second, most likely: the second must not take
  // the first one's name.
  std::vector<std::filesystem::path> movedTo;
  for (const std::string damaged : {"first damaged", "second damaged"}) {
    std::ofstream(folder / kStatisticsFileName) << damaged;
    const LoadedStatistics loaded = LoadStatistics(folder);
    EXPECT_EQ(loaded.outcome, StatisticsLoad::MovedAside);
    movedTo.push_back(loaded.movedTo);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / kStatisticsFileName));
  std::string first, second;
  std::getline(std::ifstream(movedTo.at(0)), first);
  std::getline(std::ifstream(movedTo.at(1)), second);
  EXPECT_EQ(first + "|" + second, "first damaged|second damaged");
  std::filesystem::remove_all(pattern);
}

}  // namespace
}  // namespace glyph
