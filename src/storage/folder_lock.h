// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace glyph {

// The lock of the player's data folder, held while one copy of the game
// reads and writes its statistics or keeps its game, so that two copies
// running at once never write over each other's changes. It is a lock on a
// file beside them, released when the copy lets go or ends.
class clsFolderLock {
 public:
  // Waits a little for another copy to let go; Held() says whether it did.
  explicit clsFolderLock(const std::filesystem::path& folder);
  ~clsFolderLock();
  clsFolderLock(const clsFolderLock&) = delete;
  clsFolderLock& operator=(const clsFolderLock&) = delete;

  bool Held() const { return descriptor_ >= 0; }

  static constexpr char kFileName[] = "glyphmatic.lock";

 private:
  int descriptor_ = -1;
};

}  // namespace glyph
