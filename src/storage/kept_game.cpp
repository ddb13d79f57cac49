// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/kept_game.h"

#include <charconv>
#include <optional>

#include "storage/damaged_file.h"
#include "storage/folder_lock.h"
#include "storage/text_lines.h"

namespace glyph {

namespace {

// Version 1 has no steps to undo and redo; both are read.
constexpr char kFactsHeader[] = "Glyphmatic unfinished game 2";
constexpr char kFactsHeaderWithoutSteps[] = "Glyphmatic unfinished game 1";
constexpr std::size_t kMostSteps = 1000;
constexpr std::size_t kLargestFacts = 256 * 1024;

// A step's grid: a hundred cell values, each one a cell may hold.
bool IsGridText(const std::string& text) {
  return text.size() == clsSolveStatus::kTextLength && text.find_first_not_of("01234") == std::string::npos;
}

}  // namespace

std::string FactsText(const KeptGameFacts& facts) {
  std::string text = std::string(kFactsHeader) + "\npuzzle=" + facts.puzzle +
                     "\nelapsed=" + std::to_string(facts.elapsedMs) + "\ncategory=" + facts.category +
                     "\nhelped=" + (facts.helped ? "1" : "0") + "\n";
  for (const std::string& grid : facts.undo) text += "undo=" + grid + "\n";
  for (const std::string& grid : facts.redo) text += "redo=" + grid + "\n";
  return text;
}

bool ReadFacts(const std::string& text, KeptGameFacts& facts) {
  const std::vector<std::string> lines = SplitTextLines(text);
  const bool withSteps = !lines.empty() && lines[0] == kFactsHeader;
  if (lines.size() < 5 || (!withSteps && (lines.size() != 5 || lines[0] != kFactsHeaderWithoutSteps))) {
    return false;
  }
  if (lines.size() > 5 + 2 * kMostSteps) return false;
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
  if (error != std::errc() || at != end || elapsed->empty() || read.elapsedMs < 0 || read.elapsedMs > kLongestGameMs) {
    return false;
  }
  read.puzzle = *puzzle;
  read.category = *category;
  read.helped = *helped == "1";
  // Then the steps: every undo before every redo, each a whole grid.
  for (std::size_t i = 5; i < lines.size(); ++i) {
    const bool undo = lines[i].rfind("undo=", 0) == 0;
    const bool redo = lines[i].rfind("redo=", 0) == 0;
    const std::string grid = lines[i].substr(std::min<std::size_t>(5, lines[i].size()));
    if ((!undo && !redo) || (undo && !read.redo.empty()) || !IsGridText(grid)) return false;
    (undo ? read.undo : read.redo).push_back(grid);
  }
  facts = read;
  return true;
}

WriteOutcome KeepGame(const std::filesystem::path& folder, const SavedGame& game, const KeptGameFacts& facts,
                      clsRandomSource& random, clsFileWriter& writer) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Under the folder's lock, so that the game and its facts stay a pair when
  // two copies quit at once: the copy that quits last keeps its game.
  const clsFolderLock lock(folder);
  if (!lock.Held()) return WriteOutcome::Failed;
  const WriteOutcome written = SaveSavedGame(folder / kKeptGameFile, game, random, writer, LinkRule::Replace);
  if (written != WriteOutcome::Written) return written;
  return writer.WriteWhole(folder / kKeptFactsFile, FactsText(facts), LinkRule::Replace);
}

KeptLoad LoadKeptGame(const std::filesystem::path& folder, SavedGame& game, KeptGameFacts& facts) {
  const std::filesystem::path gameFile = folder / kKeptGameFile;
  const BoundedRead read = ReadBoundedFile(gameFile, kLargestSavedGame);
  if (read.status == ReadStatus::Missing) return {};
  SavedGame loaded = game;
  if (read.status != ReadStatus::Read || ReadSavedGameContent(read.content, loaded) != LoadOutcome::Loaded) {
    const std::filesystem::path movedTo = MoveAsideDamaged(gameFile);
    if (movedTo.empty()) return {KeptOutcome::LeftInPlace, {}};
    // The facts of a game that is gone are nobody's.
    if (ReadBoundedFile(folder / kKeptFactsFile, kLargestFacts).status != ReadStatus::Missing) {
      MoveAsideDamaged(folder / kKeptFactsFile);
    }
    return {KeptOutcome::MovedAside, movedTo};
  }
  game = std::move(loaded);
  const BoundedRead factsRead = ReadBoundedFile(folder / kKeptFactsFile, kLargestFacts);
  KeptGameFacts readFacts;
  if (factsRead.status != ReadStatus::Read || !ReadFacts(factsRead.content, readFacts) ||
      readFacts.puzzle != game.puzzle.MakeSendString()) {
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
