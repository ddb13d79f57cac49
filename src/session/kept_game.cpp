// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/kept_game.h"

#include <charconv>
#include <ctime>
#include <fstream>
#include <sstream>

#include "storage/text_lines.h"

namespace glyph {

namespace {

constexpr char kFactsHeader[] = "Glyphmatic unfinished game 1";
constexpr std::uintmax_t kLargestFacts = 4096;

std::string NowStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

std::string ReadSmallFile(const std::filesystem::path& file, std::uintmax_t largest, bool& ok) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  ok = !error && size <= largest;
  if (!ok) return {};
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  ok = static_cast<bool>(in) || in.eof();
  return content.str();
}

}  // namespace

std::string FactsText(const KeptGameFacts& facts) {
  return std::string(kFactsHeader) + "\npuzzle=" + facts.puzzle + "\nelapsed=" + std::to_string(facts.elapsedMs) +
         "\ncategory=" + facts.category + "\nhelped=" + (facts.helped ? "1" : "0") + "\n";
}

bool ReadFacts(const std::string& text, KeptGameFacts& facts) {
  const std::vector<std::string> lines = SplitTextLines(text);
  if (lines.size() != 5 || lines[0] != kFactsHeader) return false;
  KeptGameFacts read;
  const auto value = [&](std::size_t i, const char* key) -> std::optional<std::string> {
    const std::string prefix = std::string(key) + "=";
    if (lines[i].rfind(prefix, 0) != 0) return std::nullopt;
    return lines[i].substr(prefix.size());
  };
  const auto puzzle = value(1, "puzzle");
  const auto elapsed = value(2, "elapsed");
  const auto category = value(3, "category");
  const auto helped = value(4, "helped");
  if (!puzzle || !elapsed || !category || !helped || (*helped != "0" && *helped != "1")) return false;
  const char* end = elapsed->data() + elapsed->size();
  const auto [at, error] = std::from_chars(elapsed->data(), end, read.elapsedMs);
  if (error != std::errc() || at != end || elapsed->empty() || read.elapsedMs < 0) return false;
  read.puzzle = *puzzle;
  read.category = *category;
  read.helped = *helped == "1";
  facts = read;
  return true;
}

WriteOutcome KeepGame(const std::filesystem::path& folder, const SavedGame& game, const KeptGameFacts& facts,
                      clsRandomSource& random, clsFileWriter& writer) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const WriteOutcome written = SaveSavedGame(folder / kKeptGameFile, game, random, writer);
  if (written != WriteOutcome::Written) return written;
  return writer.WriteWhole(folder / kKeptFactsFile, FactsText(facts));
}

std::filesystem::path MoveAside(const std::filesystem::path& file, const std::string& stamp) {
  const std::filesystem::path stem = file.stem();
  for (int n = 0; n < 100; ++n) {
    std::filesystem::path aside = file.parent_path() / (stem.string() + ".damaged-" + stamp +
                                                         (n == 0 ? "" : "-" + std::to_string(n)) +
                                                         file.extension().string());
    std::error_code error;
    if (std::filesystem::exists(aside, error) || error) continue;
    std::filesystem::rename(file, aside, error);
    return error ? std::filesystem::path() : aside;
  }
  return {};
}

KeptLoad LoadKeptGame(const std::filesystem::path& folder, SavedGame& game, KeptGameFacts& facts) {
  const std::filesystem::path gameFile = folder / kKeptGameFile;
  std::error_code error;
  if (!std::filesystem::exists(gameFile, error)) return {};
  SavedGame read = game;
  if (LoadSavedGame(gameFile, read) != LoadOutcome::Loaded) {
    const std::string stamp = NowStamp();
    KeptLoad damaged{KeptOutcome::Damaged, MoveAside(gameFile, stamp)};
    if (std::filesystem::exists(folder / kKeptFactsFile, error)) MoveAside(folder / kKeptFactsFile, stamp);
    return damaged;
  }
  game = std::move(read);
  bool ok = false;
  const std::string text = ReadSmallFile(folder / kKeptFactsFile, kLargestFacts, ok);
  KeptGameFacts readFacts;
  if (!ok || !ReadFacts(text, readFacts) || readFacts.puzzle != game.puzzle.MakeSendString()) {
    readFacts = KeptGameFacts{game.puzzle.MakeSendString(), 0, "", false};
  }
  facts = readFacts;
  return {KeptOutcome::Loaded, {}};
}

void ForgetKeptGame(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::remove(folder / kKeptGameFile, error);
  std::filesystem::remove(folder / kKeptFactsFile, error);
}

}  // namespace glyph
