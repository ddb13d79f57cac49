// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/cls_file_writer.h"
#include "storage/saved_game.h"

namespace glyph {

class clsRandomSource;

// What a saved game does not hold but an unfinished game needs to go on as
// it was: its time, whether it counts in the statistics and under which
// category, and whether the player took help.
struct KeptGameFacts {
  std::string puzzle;  // the puzzle's text form: facts of another puzzle are not this game's
  std::int64_t elapsedMs = 0;
  std::string category;  // empty: the game does not count
  bool helped = false;
  // The grids of the steps to undo and to redo, oldest first, each in the
  // grid's text form.
  std::vector<std::string> undo = {};
  std::vector<std::string> redo = {};
  bool operator==(const KeptGameFacts&) const = default;
};

inline constexpr char kKeptGameFile[] = "unfinished.gly";
inline constexpr char kKeptFactsFile[] = "unfinished.txt";
// Ten years: a time beyond it is no game's, and the facts are damaged.
inline constexpr std::int64_t kLongestGameMs = 10LL * 366 * 24 * 3600 * 1000;

// Keeps the game in the folder (made when missing): the saved-game file,
// then its facts, each written whole or not at all.
WriteOutcome KeepGame(const std::filesystem::path& folder, const SavedGame& game, const KeptGameFacts& facts,
                      clsRandomSource& random, clsFileWriter& writer);

enum class KeptOutcome {
  None,        // no kept game
  Loaded,      // game and facts hold it
  MovedAside,  // damaged or not a file: moved to movedTo
  LeftInPlace  // damaged, and it could not be moved: it stays as it is
};
struct KeptLoad {
  KeptOutcome outcome = KeptOutcome::None;
  std::filesystem::path movedTo;
};

// The kept game, if there is one. One that cannot be read is moved aside,
// never deleted; facts that are missing, damaged or of another puzzle give
// the game a fresh start of its clock.
KeptLoad LoadKeptGame(const std::filesystem::path& folder, SavedGame& game, KeptGameFacts& facts);

// Removes a kept game once it has been taken up or has ended.
void ForgetKeptGame(const std::filesystem::path& folder);

// The facts' file text, and its reading (nothing on anything unexpected).
std::string FactsText(const KeptGameFacts& facts);
bool ReadFacts(const std::string& text, KeptGameFacts& facts);

}  // namespace glyph
