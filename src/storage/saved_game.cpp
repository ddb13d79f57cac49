// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_game.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/plain_text.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
#include "storage/text_lines.h"

namespace glyph {

namespace {

constexpr char kTagPuzzle = 'A';
constexpr char kTagSymbols = 'Y';
constexpr char kTagGrid = 'S';
constexpr char kTagBookmark = 'B';

void ReadSymbols(std::string_view content, clsPuzzle& puzzle) {
  for (int d = 0; d < 10; ++d) {
    const char c = static_cast<std::size_t>(d) < content.size() ? content[static_cast<std::size_t>(d)] : '0';
    puzzle.SetSymbols(d, static_cast<std::int16_t>(c >= '0' && c <= '9' ? c - '0' : 0));
  }
}

// Longer than any line the game writes (a bookmark with a name of thousands
// of characters); a longer line cannot belong to a saved game.
constexpr std::size_t kLongestLine = 64 * 1024;

bool IsCipherLine(const std::string& line) {
  return line.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

// Reads line by line: the first line must be the puzzle's, or nothing more
// is read; reading stops at the first line that cannot belong to a saved
// game (not a cipher line, or too long), and what came before it counts.
LoadOutcome ReadSavedGameStream(std::istream& stream, SavedGame& game) {
  clsLineReader reader(stream, kLongestLine);
  std::vector<std::string> plain;
  const std::optional<std::string> first = reader.Next();
  if (!first || !IsCipherLine(*first)) return LoadOutcome::NotASavedGame;
  plain.push_back(clsCrypt::Decrypt(*first, kSaveGameKey));
  if (plain.front().empty() || plain.front().front() != kTagPuzzle) return LoadOutcome::NotASavedGame;
  while (const std::optional<std::string> line = reader.Next()) {
    if (line->empty()) continue;
    if (!IsCipherLine(*line)) break;
    plain.push_back(clsCrypt::Decrypt(*line, kSaveGameKey));
  }
  if (stream.bad()) return LoadOutcome::Unreadable;
  return ReadSavedGameLines(plain, game) ? LoadOutcome::Loaded : LoadOutcome::NotASavedGame;
}

}  // namespace

std::vector<std::string> SavedGameLines(const SavedGame& game) {
  std::vector<std::string> lines;
  lines.push_back(kTagPuzzle + game.puzzle.MakeSendString());
  std::string symbols(1, kTagSymbols);
  for (int d = 0; d < 10; ++d) symbols += std::to_string(game.puzzle.Symbols(d));
  lines.push_back(symbols);
  lines.push_back(kTagGrid + game.grid.MakeStatusString());
  for (const clsSolveStatus& bookmark : game.bookmarks) {
    lines.push_back(kTagBookmark + bookmark.MakeStatusString() + bookmark.Name());
  }
  return lines;
}

bool ReadSavedGameLines(const std::vector<std::string>& lines, SavedGame& game) {
  if (lines.empty() || lines.front().empty() || lines.front().front() != kTagPuzzle) return false;
  SavedGame read = game;
  read.bookmarks.clear();
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const std::string_view content = std::string_view(line).substr(1);
    switch (line.front()) {
      case kTagPuzzle:
        read.puzzle.GetSendString(content);  // a malformed text leaves the puzzle as it was
        break;
      case kTagSymbols: ReadSymbols(content, read.puzzle); break;
      case kTagGrid: read.grid.ReadFromString(content); break;
      case kTagBookmark: {
        clsSolveStatus bookmark;
        bookmark.ReadFromString(content);
        bookmark.SetName(PlainText(content.size() > clsSolveStatus::kTextLength
                                       ? std::string(content.substr(clsSolveStatus::kTextLength))
                                       : std::string()));
        read.bookmarks.push_back(std::move(bookmark));
        break;
      }
      default: break;  // a tag of a later version, or garbage
    }
  }
  if (!IsSoundGame(read)) return false;
  RebuildGreying(read);
  game = std::move(read);
  return true;
}

bool IsSoundGame(const SavedGame& game) {
  if (!IsSoundPuzzle(game.puzzle) || !game.grid.HoldsOnlyCellValues()) return false;
  return std::all_of(game.bookmarks.begin(), game.bookmarks.end(),
                     [](const clsSolveStatus& bookmark) { return bookmark.HoldsOnlyCellValues(); });
}

void RebuildGreying(SavedGame& game) {
  game.grid.RebuildGreying();
  for (clsSolveStatus& bookmark : game.bookmarks) bookmark.RebuildGreying();
}

std::string EncipherSavedGame(const SavedGame& game, clsRandomSource& random) {
  clsCrypt crypt(random);
  std::string content;
  for (const std::string& line : SavedGameLines(game)) content += crypt.Encrypt(line, kSaveGameKey) + "\r\n";
  return content;
}

LoadOutcome LoadSavedGame(const std::filesystem::path& file, SavedGame& game) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || !std::filesystem::is_regular_file(file, error)) return LoadOutcome::Unreadable;
  if (size > kLargestSavedGame) return LoadOutcome::NotASavedGame;

  std::ifstream stream(file, std::ios::binary);
  if (!stream) return LoadOutcome::Unreadable;
  return ReadSavedGameStream(stream, game);
}

LoadOutcome ReadSavedGameContent(const std::string& content, SavedGame& game) {
  std::istringstream stream(content);
  return ReadSavedGameStream(stream, game);
}

WriteOutcome SaveSavedGame(const std::filesystem::path& file, const SavedGame& game, clsRandomSource& random,
                           clsFileWriter& writer, LinkRule links) {
  return writer.WriteWhole(file, EncipherSavedGame(game, random), links);
}

}  // namespace glyph
