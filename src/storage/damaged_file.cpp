// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/damaged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace glyph {

namespace {

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return stamp;
}

// Reads to the end or one byte past the bound, whichever comes first.
bool ReadUpTo(int descriptor, std::size_t limit, std::string& content) {
  content.resize(limit);
  std::size_t have = 0;
  while (have < limit) {
    const ssize_t got = read(descriptor, content.data() + have, limit - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  content.resize(have);
  return true;
}

}  // namespace

BoundedRead ReadBoundedFile(const std::filesystem::path& file, std::size_t largest) {
  BoundedRead result;
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  const int descriptor = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    const int why = errno;
    struct stat link {};
    if (why == ENOENT && lstat(file.c_str(), &link) != 0) {
      result.status = ReadStatus::Missing;
    } else {
      // A dangling link, a socket, a loop of links: nothing to read.
      result.status = why == EACCES ? ReadStatus::Unreadable : ReadStatus::NotAFile;
    }
    return result;
  }
  struct stat status {};
  if (fstat(descriptor, &status) != 0) {
    result.status = ReadStatus::Unreadable;
  } else if (!S_ISREG(status.st_mode)) {
    result.status = ReadStatus::NotAFile;
  } else if (static_cast<std::uintmax_t>(status.st_size) > largest) {
    result.status = ReadStatus::TooLarge;
  } else if (!ReadUpTo(descriptor, largest + 1, result.content)) {
    result.status = ReadStatus::Unreadable;
  } else {
    // A file that grew past the bound while it was read is too large as well.
    result.status = result.content.size() > largest ? ReadStatus::TooLarge : ReadStatus::Read;
    if (result.status != ReadStatus::Read) result.content.clear();
  }
  close(descriptor);
  return result;
}

std::filesystem::path MoveAsideDamaged(const std::filesystem::path& file) {
  const std::string stem = (file.parent_path() / (file.stem().string() + ".damaged-" + LocalTimeStamp())).string();
  for (int attempt = 1; attempt <= 100; ++attempt) {
    const std::filesystem::path target =
        stem + (attempt == 1 ? "" : "-" + std::to_string(attempt)) + file.extension().string();
    // A hard link fails rather than replace a file, so the name is taken
    // safely even when another copy of the game moves a file at the same
    // moment; the old name goes once the new one holds the file.
    if (link(file.c_str(), target.c_str()) == 0) {
      if (unlink(file.c_str()) == 0) return target;
      unlink(target.c_str());
      return {};
    }
    if (errno == EEXIST) continue;
    // Where the file system has no hard links: a rename, after looking that
    // the name is free.
    struct stat taken {};
    if (lstat(target.c_str(), &taken) == 0) continue;
    if (rename(file.c_str(), target.c_str()) == 0) return target;
    return {};
  }
  return {};
}

}  // namespace glyph
