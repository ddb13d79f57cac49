// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace glyph {

namespace {

// Another copy holds the lock for a few milliseconds at a time.
constexpr auto kLongestWait = std::chrono::seconds(2);
constexpr auto kRetry = std::chrono::milliseconds(10);

}  // namespace

clsFolderLock::clsFolderLock(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kFileName;
  const int descriptor = open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0) return;
  const auto until = std::chrono::steady_clock::now() + kLongestWait;
  while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) {
      close(descriptor);
      return;
    }
    std::this_thread::sleep_for(kRetry);
  }
  descriptor_ = descriptor;
}

clsFolderLock::~clsFolderLock() {
  if (descriptor_ >= 0) close(descriptor_);  // closing lets go of the lock
}

}  // namespace glyph
