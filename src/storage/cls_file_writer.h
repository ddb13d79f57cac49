// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace glyph {

enum class WriteOutcome { Written, ReadOnly, NotAFile, Failed };

// What a writer does with a symbolic link where the file goes: a file the
// player chose is written through the link to its target; the game's own
// files in its data folder replace a link with the file, so that a link
// there never makes the game write anywhere else.
enum class LinkRule { WriteThrough, Replace };

// Writes a whole file so that a failed write never damages the file there:
// through a temporary file beside it that replaces it once it is whole and
// synced, keeping the file's permissions. Every write, the sync, the close
// and the rename are checked: a full disk fails the write and leaves the
// file as it was. A file its owner may not write is left alone (ReadOnly),
// and so is anything there that is not a regular file (NotAFile): a folder,
// a device, a FIFO or a socket is never replaced by a file.
class clsFileWriter {
 public:
  virtual ~clsFileWriter() = default;
  virtual WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content,
                                  LinkRule links = LinkRule::WriteThrough) = 0;
  // Why the last write failed, in the system's words ("No space left on device").
  virtual std::string LastFailure() const { return {}; }
};

// The writer of the game and its tools, on the system's files.
class clsAtomicFileWriter : public clsFileWriter {
 public:
  WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content,
                          LinkRule links = LinkRule::WriteThrough) override;
  std::string LastFailure() const override { return failure_; }

 private:
  WriteOutcome Fail(const std::string& why);
  std::string failure_;
};

// True for an existing file (a link followed) whose owner may not write it:
// the player made it read-only, whoever runs the game.
bool IsReadOnlyFile(const std::filesystem::path& file);

// True when something exists at the path (a link followed) that is not a
// regular file. Writers refuse such a target.
bool IsSpecialFile(const std::filesystem::path& file);

}  // namespace glyph
