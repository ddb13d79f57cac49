// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace glyph {

// The player's own small files (statistics, the kept game) are read whole,
// with bounded memory, and never waited on: a FIFO, a device or a link to
// one is not a file to read.
enum class ReadStatus {
  Missing,     // nothing there
  Read,        // content holds the whole file
  NotAFile,    // a folder, FIFO, device or socket, or a link to one
  TooLarge,    // larger than the bound: not read at all
  Unreadable,  // there, but the player may not read it (or reading failed)
};
struct BoundedRead {
  ReadStatus status = ReadStatus::Missing;
  std::string content;
};
BoundedRead ReadBoundedFile(const std::filesystem::path& file, std::size_t largest);

// Moves a damaged file aside, beside it, as "<stem>.damaged-YYYYMMDD-HHMMSS
// <extension>" (local time; "-2", "-3", ... added while a name is taken),
// never over another file, so the player can keep it. A link is moved, not
// what it points to. The new path, or an empty one when it could not be moved.
std::filesystem::path MoveAsideDamaged(const std::filesystem::path& file);

}  // namespace glyph
