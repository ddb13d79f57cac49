// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace glyph {

enum class WriteOutcome { Written, ReadOnly, NotAFile, Failed };

// Writes a whole file so that a failed write never damages the file there:
// through a temporary file that replaces it, synced to disk, keeping the
// file's permissions and writing through a symbolic link to its target. A
// file its owner may not write is left alone (ReadOnly), and so is anything
// there that is not a regular file (NotAFile): a folder, a device, a FIFO or
// a socket is never replaced by a file.
class clsFileWriter {
 public:
  virtual ~clsFileWriter() = default;
  virtual WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content) = 0;
};

// True for an existing file (a link followed) whose owner may not write it:
// the player made it read-only, whoever runs the game.
bool IsReadOnlyFile(const std::filesystem::path& file);

// True when something exists at the path (a link followed) that is not a
// regular file. Writers refuse such a target.
bool IsSpecialFile(const std::filesystem::path& file);

}  // namespace glyph
