// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/statistics.h"

#include <algorithm>
#include <map>

#include "core/deduction.h"
#include "storage/damaged_file.h"
#include "storage/folder_lock.h"
#include "storage/text_lines.h"

namespace glyph {

namespace {

constexpr std::array<const char*, kStatsCategories.size()> kCategoryNames = {"easy",   "medium",  "hard",
                                                                             "expert", "several", "daily"};

// Counters stop at the largest number the file may hold, so that what is
// written can always be read back.
void CountOne(int& counter) {
  if (counter < kLargestStatsNumber) ++counter;
}

// 1 to 9 digits and nothing else, no sign: nine digits cannot overflow.
std::optional<int> ReadNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

const char* StatsCategoryName(StatsCategory category) { return kCategoryNames.at(static_cast<std::size_t>(category)); }

std::optional<StatsCategory> StatsCategoryFromName(std::string_view name) {
  for (const StatsCategory category : kStatsCategories) {
    if (name == StatsCategoryName(category)) return category;
  }
  return std::nullopt;
}

std::optional<StatsCategory> StatsCategoryOf(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return StatsCategory::Easy;
    case Difficulty::Medium: return StatsCategory::Medium;
    case Difficulty::Hard: return StatsCategory::Hard;
    case Difficulty::Expert: return StatsCategory::Expert;
    case Difficulty::Several: return StatsCategory::Several;
    case Difficulty::Any: break;
  }
  return std::nullopt;
}

void clsStatistics::RecordStart(StatsCategory category) {
  if (open_) TallyOf(*open_).run = 0;  // the game on the board was abandoned
  CountOne(TallyOf(category).started);
  open_ = category;
}

bool clsStatistics::RecordSolve(StatsCategory category, int seconds, bool clean) {
  if (open_ != category) return false;
  open_.reset();
  Tally& tally = TallyOf(category);
  seconds = std::clamp(seconds, 0, kLargestStatsNumber);
  CountOne(tally.solved);
  if (clean) CountOne(tally.clean);
  CountOne(tally.run);
  tally.longest = std::max(tally.longest, tally.run);
  tally.times.push_back(seconds);
  if (tally.times.size() > kKeptSolveTimes) tally.times.pop_front();
  const bool record = tally.best && seconds < *tally.best;
  if (!tally.best || record) tally.best = seconds;
  return record;
}

void clsStatistics::RecordGiveUp(StatsCategory category) {
  if (open_ != category) return;
  open_.reset();
  TallyOf(category).run = 0;
}

StatsSummary clsStatistics::Summary(StatsCategory category) const {
  const Tally& tally = TallyOf(category);
  StatsSummary summary{tally.started, tally.solved, tally.clean, tally.run, tally.longest, tally.best, {}, {}};
  if (!tally.times.empty()) {
    std::vector<int> sorted(tally.times.begin(), tally.times.end());
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    // With an even count, the mean of the two middle times, a half second
    // rounded up.
    summary.medianSeconds = sorted.size() % 2 == 1
                                ? sorted[middle]
                                : static_cast<int>((std::int64_t{sorted[middle - 1]} + sorted[middle] + 1) / 2);
  }
  const std::size_t charted = std::min(tally.times.size(), kChartedSolveTimes);
  summary.lastTimes.assign(tally.times.end() - static_cast<std::ptrdiff_t>(charted), tally.times.end());
  return summary;
}

std::string SerialiseStatistics(const clsStatistics& statistics) {
  std::string text = std::string(kStatisticsHeader) + "\n";
  for (const StatsCategory category : kStatsCategories) {
    const clsStatistics::Tally& tally = statistics.TallyOf(category);
    text += StatsCategoryName(category);
    text += " started=" + std::to_string(tally.started) + " solved=" + std::to_string(tally.solved) +
            " clean=" + std::to_string(tally.clean) + " run=" + std::to_string(tally.run) +
            " longest=" + std::to_string(tally.longest);
    if (tally.best) text += " best=" + std::to_string(*tally.best);
    for (std::size_t i = 0; i < tally.times.size(); ++i) {
      text += (i == 0 ? " times=" : ",") + std::to_string(tally.times[i]);
    }
    text += "\n";
  }
  if (statistics.open_) text += std::string("open ") + StatsCategoryName(*statistics.open_) + "\n";
  return text;
}

std::optional<clsStatistics> ParseStatistics(std::string_view content) {
  if (content.size() > kLargestStatisticsFile) return std::nullopt;
  clsStatistics statistics;
  if (content.empty()) return statistics;
  const std::vector<std::string> lines = SplitTextLines(content);
  if (lines.front() != kStatisticsHeader) return std::nullopt;
  std::array<bool, kStatsCategories.size()> seen{};
  for (std::size_t l = 1; l < lines.size(); ++l) {
    const std::vector<std::string_view> fields = SplitAt(lines[l], ' ');
    if (fields.front() == "open") {
      const std::optional<StatsCategory> open = fields.size() == 2 ? StatsCategoryFromName(fields[1]) : std::nullopt;
      if (!open || statistics.open_) return std::nullopt;
      statistics.open_ = open;
      continue;
    }
    const std::optional<StatsCategory> category = StatsCategoryFromName(fields.front());
    if (!category || seen[static_cast<std::size_t>(*category)]) return std::nullopt;
    seen[static_cast<std::size_t>(*category)] = true;

    std::map<std::string_view, int> numbers;
    bool hasTimes = false;
    clsStatistics::Tally& tally = statistics.TallyOf(*category);
    for (std::size_t f = 1; f < fields.size(); ++f) {
      const std::size_t equals = fields[f].find('=');
      if (equals == std::string_view::npos) return std::nullopt;
      const std::string_view key = fields[f].substr(0, equals);
      const std::string_view value = fields[f].substr(equals + 1);
      if (key == "times") {
        if (hasTimes) return std::nullopt;
        hasTimes = true;
        for (const std::string_view time : SplitAt(value, ',')) {
          const std::optional<int> seconds = ReadNumber(time);
          if (!seconds || tally.times.size() == kKeptSolveTimes) return std::nullopt;
          tally.times.push_back(*seconds);
        }
        continue;
      }
      const std::optional<int> number = ReadNumber(value);
      const bool known =
          key == "started" || key == "solved" || key == "clean" || key == "run" || key == "longest" || key == "best";
      if (!known || !number || !numbers.emplace(key, *number).second) return std::nullopt;
    }
    for (const auto& [key, field] :
         {std::pair{"started", &tally.started}, std::pair{"solved", &tally.solved}, std::pair{"clean", &tally.clean},
          std::pair{"run", &tally.run}, std::pair{"longest", &tally.longest}}) {
      const auto found = numbers.find(key);
      if (found == numbers.end()) return std::nullopt;
      *field = found->second;
    }
    if (numbers.contains("best")) tally.best = numbers.at("best");
    // Times present without a solve, or missing after one, fail the count.
    const bool anySolved = tally.solved > 0;
    const bool consistent =
        tally.clean <= tally.solved && tally.solved <= tally.started && tally.run <= tally.longest &&
        tally.longest <= tally.solved && tally.best.has_value() == anySolved &&
        tally.times.size() == std::min<std::size_t>(tally.solved, kKeptSolveTimes) &&
        std::all_of(tally.times.begin(), tally.times.end(), [&](int time) { return time >= *tally.best; });
    if (!consistent) return std::nullopt;
  }
  if (statistics.open_ && statistics.TallyOf(*statistics.open_).started == 0) return std::nullopt;
  return statistics;
}

namespace {

std::filesystem::path StatisticsFile(const std::filesystem::path& folder) { return folder / kStatisticsFileName; }

}  // namespace

LoadedStatistics LoadStatistics(const std::filesystem::path& folder) {
  const std::filesystem::path file = StatisticsFile(folder);
  LoadedStatistics loaded;
  const BoundedRead read = ReadBoundedFile(file, kLargestStatisticsFile);
  if (read.status == ReadStatus::Missing) return loaded;
  const std::optional<clsStatistics> parsed =
      read.status == ReadStatus::Read ? ParseStatistics(read.content) : std::nullopt;
  if (parsed) {
    loaded.statistics = *parsed;
    return loaded;
  }
  // Damaged, too large, unreadable or not a file at all: set aside for the
  // player, and new statistics begin.
  loaded.movedTo = MoveAsideDamaged(file);
  loaded.outcome = loaded.movedTo.empty() ? StatisticsLoad::LeftInPlace : StatisticsLoad::MovedAside;
  return loaded;
}

WriteOutcome SaveStatistics(const std::filesystem::path& folder, const clsStatistics& statistics,
                            clsFileWriter& writer) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return WriteOutcome::Failed;
  return writer.WriteWhole(StatisticsFile(folder), SerialiseStatistics(statistics), LinkRule::Replace);
}

bool ApplyChange(clsStatistics& statistics, const StatsChange& change) {
  switch (change.kind) {
    case StatsChange::Kind::Start: statistics.RecordStart(change.category); return false;
    case StatsChange::Kind::Solve: return statistics.RecordSolve(change.category, change.seconds, change.clean);
    case StatsChange::Kind::GiveUp: statistics.RecordGiveUp(change.category); return false;
  }
  return false;
}

StatisticsUpdate UpdateStatistics(const std::filesystem::path& folder, const std::vector<StatsChange>& changes,
                                  clsFileWriter& writer) {
  StatisticsUpdate update;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const clsFolderLock lock(folder);
  if (!lock.Held()) {
    update.failure = error ? error.message() : "another copy of the game holds the statistics";
    return update;
  }
  update.loaded = LoadStatistics(folder);
  if (update.loaded.outcome == StatisticsLoad::LeftInPlace) return update;
  for (const StatsChange& change : changes) ApplyChange(update.loaded.statistics, change);
  update.written = SaveStatistics(folder, update.loaded.statistics, writer);
  if (update.written != WriteOutcome::Written) update.failure = writer.LastFailure();
  return update;
}

}  // namespace glyph
