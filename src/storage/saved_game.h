// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_solve_status.h"
#include "storage/cls_file_writer.h"

namespace glyph {

class clsRandomSource;

// A game as a saved-game file holds it: the puzzle with its symbol table,
// the solution grid, and the bookmarks in order.
struct SavedGame {
  clsPuzzle puzzle;
  clsSolveStatus grid;
  std::vector<clsSolveStatus> bookmarks;
};

inline constexpr char kSavedGameFilter[] = "Glyphmatic (*.gly)";

// Far above any real saved game (a game with thousands of bookmarks stays
// under a few megabytes); a larger file is not read at all.
inline constexpr std::uintmax_t kLargestSavedGame = 64u * 1024u * 1024u;

// The plain lines of a saved game: "A" + the puzzle's text form, "Y" + the
// ten symbol digits, "S" + the grid, then "B" + grid + name per bookmark.
std::vector<std::string> SavedGameLines(const SavedGame& game);

// A game from outside is used only when its puzzle is sound (see
// IsSoundPuzzle) and its grid and bookmarks hold only cell values.
bool IsSoundGame(const SavedGame& game);
// Rebuilds the greying of the grid and of every bookmark from their marks.
void RebuildGreying(SavedGame& game);

// Reads plain lines into game, which holds the game in hand: the first line
// must start with "A", otherwise nothing changes and the result is false.
// Later lines come in any order; a later "A", "Y" or "S" overwrites, every
// "B" adds a bookmark, empty lines and unknown tags are passed over. The
// bookmark list is replaced by the file's. A game that is not sound is
// refused (false) as well; greying is rebuilt from the marks.
bool ReadSavedGameLines(const std::vector<std::string>& lines, SavedGame& game);

// The file's content: every line enciphered under the saved-game key, ended
// by CR LF.
std::string EncipherSavedGame(const SavedGame& game, clsRandomSource& random);

enum class LoadOutcome { Loaded, NotASavedGame, Unreadable };

// Reads the file line by line, the first line checked before any other is
// read, and stops at the first line that cannot belong to a saved game;
// game changes only when the outcome is Loaded. Lines ended by LF or CR
// alone read as well as CR LF lines.
LoadOutcome LoadSavedGame(const std::filesystem::path& file, SavedGame& game);

// The same check and reading for the content of a whole file.
LoadOutcome ReadSavedGameContent(const std::string& content, SavedGame& game);

// Writes the game through the writer, so that a failed save leaves an
// existing file as it was.
WriteOutcome SaveSavedGame(const std::filesystem::path& file, const SavedGame& game, clsRandomSource& random,
                           clsFileWriter& writer, LinkRule links = LinkRule::WriteThrough);

}  // namespace glyph
