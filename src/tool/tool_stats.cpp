// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool stats: the statistics the game keeps, read and never changed.
#include <QJsonArray>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/clock_text.h"
#include "storage/statistics.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

std::filesystem::path StatisticsFile() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path(data.toStdString()) / "glyphmatic" / kStatisticsFileName;
}

// The file as the game left it; a damaged one is reported, not moved: the
// game itself sets it aside when it next starts.
clsStatistics ReadStatistics(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return {};
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kLargestStatisticsFile) throw clsToolError("the statistics file is damaged: " + file.string());
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  std::optional<clsStatistics> parsed = ParseStatistics(content.str());
  if (!in || !parsed) throw clsToolError("the statistics file is damaged: " + file.string());
  return *parsed;
}

QJsonValue OptionalSeconds(std::optional<int> seconds) { return seconds ? QJsonValue(*seconds) : QJsonValue(); }

std::string TimeOrDash(std::optional<int> seconds) {
  return seconds ? PlayTimeText(std::chrono::seconds(*seconds)) : "-";
}

}  // namespace

void VerbStats(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {}, {"json"});
  ExpectPositionals(parsed, 0, "no text after stats' options");
  const clsStatistics statistics = ReadStatistics(StatisticsFile());
  if (parsed.Flag("json")) {
    QJsonObject all;
    for (StatsCategory category : kStatsCategories) {
      const StatsSummary summary = statistics.Summary(category);
      QJsonArray last;
      for (int seconds : summary.lastTimes) last.append(seconds);
      all[StatsCategoryName(category)] = QJsonObject{{"started", summary.started},
                                                     {"solved", summary.solved},
                                                     {"clean", summary.clean},
                                                     {"current_run", summary.currentRun},
                                                     {"longest_run", summary.longestRun},
                                                     {"best_seconds", OptionalSeconds(summary.bestSeconds)},
                                                     {"median_seconds", OptionalSeconds(summary.medianSeconds)},
                                                     {"last_seconds", last}};
    }
    out << JsonLine(all);
    return;
  }
  char line[160];
  std::snprintf(line, sizeof line, "%-8s %8s %8s %8s %6s %8s %9s %9s\n", "", "started", "solved", "clean", "run",
                "longest", "best", "median");
  out << line;
  for (StatsCategory category : kStatsCategories) {
    const StatsSummary s = statistics.Summary(category);
    std::snprintf(line, sizeof line, "%-8s %8d %8d %8d %6d %8d %9s %9s\n", StatsCategoryName(category), s.started,
                  s.solved, s.clean, s.currentRun, s.longestRun, TimeOrDash(s.bestSeconds).c_str(),
                  TimeOrDash(s.medianSeconds).c_str());
    out << line;
  }
}

}  // namespace glyph
