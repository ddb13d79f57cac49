#include "storage/saved_game.h"

#include <fstream>
#include <sstream>

#include "storage/atomic_file.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
#include "storage/text_lines.h"

namespace glyph {

namespace {

constexpr char kTagPuzzle = 'A';
constexpr char kTagSymbols = 'Y';
constexpr char kTagGrid = 'S';
constexpr char kTagBookmark = 'B';

// Far above any real saved game (a game with thousands of bookmarks stays
// under a few megabytes); a larger file is not read into memory at all.
constexpr std::uintmax_t kLargestSavedGame = 64u * 1024u * 1024u;

void ReadSymbols(std::string_view content, clsPuzzle& puzzle) {
  for (int d = 0; d < 10; ++d) {
    const char c = static_cast<std::size_t>(d) < content.size() ? content[static_cast<std::size_t>(d)] : '0';
    puzzle.SetSymbols(d, static_cast<std::int16_t>(c >= '0' && c <= '9' ? c - '0' : 0));
  }
}

std::vector<std::string> SplitLines(const std::string& content) { return SplitTextLines(content); }

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
  game.bookmarks.clear();
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const std::string_view content = std::string_view(line).substr(1);
    switch (line.front()) {
      case kTagPuzzle:
        game.puzzle.GetSendString(content);  // a malformed text leaves the puzzle as it was
        break;
      case kTagSymbols: ReadSymbols(content, game.puzzle); break;
      case kTagGrid: game.grid.ReadFromString(content); break;
      case kTagBookmark: {
        clsSolveStatus bookmark;
        bookmark.ReadFromString(content);
        bookmark.SetName(content.size() > clsSolveStatus::kTextLength
                             ? std::string(content.substr(clsSolveStatus::kTextLength))
                             : std::string());
        game.bookmarks.push_back(std::move(bookmark));
        break;
      }
      default: break;  // a tag of a later version, or garbage
    }
  }
  return true;
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
  std::ostringstream content;
  content << stream.rdbuf();
  if (stream.bad()) return LoadOutcome::Unreadable;

  return ReadSavedGameContent(content.str(), game);
}

LoadOutcome ReadSavedGameContent(const std::string& content, SavedGame& game) {
  std::vector<std::string> plain;
  for (const std::string& line : SplitLines(content)) plain.push_back(clsCrypt::Decrypt(line, kSaveGameKey));
  SavedGame loaded = game;
  if (!ReadSavedGameLines(plain, loaded)) return LoadOutcome::NotASavedGame;
  game = std::move(loaded);
  return LoadOutcome::Loaded;
}

bool SaveSavedGame(const std::filesystem::path& file, const SavedGame& game, clsRandomSource& random) {
  return WriteFileAtomically(file, EncipherSavedGame(game, random));
}

}  // namespace glyph
