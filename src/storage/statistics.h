// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/cls_file_writer.h"

namespace glyph {

enum class Difficulty;

// Every game counts in exactly one category; the caller decides which (a
// daily puzzle counts as daily, not by its level).
enum class StatsCategory { Easy = 0, Medium, Hard, Expert, Several, Daily };
inline constexpr std::array<StatsCategory, 6> kStatsCategories = {StatsCategory::Easy,    StatsCategory::Medium,
                                                                  StatsCategory::Hard,    StatsCategory::Expert,
                                                                  StatsCategory::Several, StatsCategory::Daily};

// "easy", "medium", "hard", "expert", "several", "daily", and back (exact,
// lower case: these are the words of the statistics file).
const char* StatsCategoryName(StatsCategory category);
std::optional<StatsCategory> StatsCategoryFromName(std::string_view name);
// The category of a game of that level; Any has none (an unrated puzzle).
std::optional<StatsCategory> StatsCategoryOf(Difficulty difficulty);

// Every number kept is at most nine digits, so that no reading or counting
// can overflow an int; counters stop there and times are cut to it.
inline constexpr int kLargestStatsNumber = 999'999'999;
// Solve times kept per category, for the median and the chart; older ones
// are dropped (the best time is kept on its own and never lost).
inline constexpr std::size_t kKeptSolveTimes = 1000;
inline constexpr std::size_t kChartedSolveTimes = 30;

struct StatsSummary {
  int started = 0;
  int solved = 0;
  int clean = 0;  // solved without Hint or Check
  int currentRun = 0;
  int longestRun = 0;
  std::optional<int> bestSeconds;    // of every solve ever
  std::optional<int> medianSeconds;  // of the kept solve times
  std::vector<int> lastTimes;        // up to 30, oldest first
};

// The player's record. One game is open at a time (the one on the board,
// whatever its category): RecordStart opens it, RecordSolve or RecordGiveUp
// ends it. A run is the number of games in a row, in one category, that
// were finished by solving them; a game given up ends the run, and so does
// one left open when the next game starts (abandoned). A game solved after
// the player pressed Solve game is given up: the caller records the give-up
// when Solve game is pressed, and no solve afterwards.
// A solve or give-up for a category with no open game there is ignored, so
// a game ends at most once and never counts as solved unless it started.
class clsStatistics {
 public:
  void RecordStart(StatsCategory category);
  // True only when the time beats an earlier best: the first solve sets the
  // best without being a record, and an equal time is no record. A time
  // below 0 (a clock set back) counts as 0.
  bool RecordSolve(StatsCategory category, int seconds, bool clean);
  void RecordGiveUp(StatsCategory category);

  StatsSummary Summary(StatsCategory category) const;
  // The category of the game started and not yet ended. It is kept in the
  // file, so that a game kept over a restart still counts when solved.
  std::optional<StatsCategory> OpenGame() const { return open_; }

  bool operator==(const clsStatistics&) const = default;

 private:
  struct Tally {
    int started = 0;
    int solved = 0;
    int clean = 0;
    int run = 0;
    int longest = 0;
    std::optional<int> best;
    std::deque<int> times;  // oldest first
    bool operator==(const Tally&) const = default;
  };
  Tally& TallyOf(StatsCategory category) { return tallies_[static_cast<std::size_t>(category)]; }
  const Tally& TallyOf(StatsCategory category) const { return tallies_[static_cast<std::size_t>(category)]; }

  std::array<Tally, kStatsCategories.size()> tallies_;
  std::optional<StatsCategory> open_;

  friend std::string SerialiseStatistics(const clsStatistics& statistics);
  friend std::optional<clsStatistics> ParseStatistics(std::string_view content);
};

// The file, in full:
//   Glyphmatic statistics 1
//   <category> started=N solved=N clean=N run=N longest=N best=N times=N,N,...
//   ... (one line per category, each at most once, any order; a category
//        not there has nothing recorded)
//   open <category>          (only while a game is open)
// Lines end with LF (CR LF and CR read as well); no empty lines, fields
// separated by one space. A number is 1 to 9 decimal digits, no sign. Keys
// come in any order, each exactly once; best and times are there exactly
// when solved > 0, times oldest first and exactly min(solved, 1000) of them. Anything else is a damaged file, and so
// are numbers that contradict each other: more solved than started, more clean than solved, a run longer than the
// longest, a longest run longer than the solved count, a kept time better than best, an open game in a category never
// started. An empty file is empty statistics. The writer writes every category, in the order of the enum.
inline constexpr char kStatisticsHeader[] = "Glyphmatic statistics 1";
// More than four times the largest file the writer can make (about 61 KB,
// every time nine digits); a larger one is refused unread.
inline constexpr std::size_t kLargestStatisticsFile = 256 * 1024;

std::string SerialiseStatistics(const clsStatistics& statistics);
std::optional<clsStatistics> ParseStatistics(std::string_view content);

inline constexpr char kStatisticsFileName[] = "statistics.txt";

enum class StatisticsLoad {
  Loaded,      // read, or no file there yet (empty statistics)
  MovedAside,  // damaged, unreadable or not a file: moved to movedTo, empty statistics instead
  LeftInPlace  // the same, but it could not be moved: saving would replace it, so the
               // caller must not save this session's statistics over it
};
struct LoadedStatistics {
  clsStatistics statistics;
  StatisticsLoad outcome = StatisticsLoad::Loaded;
  std::filesystem::path movedTo;
};

// Reads folder/statistics.txt. A damaged file is never deleted: it is moved
// aside (see MoveAsideDamaged) for the player to keep.
LoadedStatistics LoadStatistics(const std::filesystem::path& folder);

// Writes folder/statistics.txt whole through the writer (a link there is
// replaced, not followed), creating the folder first when it is missing.
WriteOutcome SaveStatistics(const std::filesystem::path& folder, const clsStatistics& statistics,
                            clsFileWriter& writer);

// A change one copy of the game made to the statistics. A copy keeps its
// changes until they are saved, and then applies them to what the file
// holds at that moment, so that another copy's changes are kept too.
struct StatsChange {
  enum class Kind { Start, Solve, GiveUp };
  Kind kind = Kind::Start;
  StatsCategory category = StatsCategory::Easy;
  int seconds = 0;
  bool clean = false;
};
// Applies a change; for a solve, true when it beat an earlier best.
bool ApplyChange(clsStatistics& statistics, const StatsChange& change);

struct StatisticsUpdate {
  LoadedStatistics loaded;  // the file as read, the changes applied; a damaged one moved aside
  WriteOutcome written = WriteOutcome::Failed;
  std::string failure;  // why it was not written, in the system's words
};
// Under the data folder's lock: reads the file, applies the changes and
// writes it whole. A file that cannot be read or moved aside is not written.
StatisticsUpdate UpdateStatistics(const std::filesystem::path& folder, const std::vector<StatsChange>& changes,
                                  clsFileWriter& writer);

}  // namespace glyph
