// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cls_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace glyph {

namespace {

// The path written to: the link's target when writing through it.
std::filesystem::path Target(const std::filesystem::path& file, LinkRule links) {
  std::error_code error;
  if (links == LinkRule::Replace || !std::filesystem::is_symlink(file, error)) return file;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(file, error);
  return error ? file : canonical;
}

// The mode of a new file: what the process's umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int descriptor, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = write(descriptor, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

WriteOutcome clsAtomicFileWriter::Fail(const std::string& why) {
  failure_ = why;
  return WriteOutcome::Failed;
}

WriteOutcome clsAtomicFileWriter::WriteWhole(const std::filesystem::path& file, const std::string& content,
                                             LinkRule links) {
  failure_.clear();
  const std::filesystem::path target = Target(file, links);
  struct stat existing {};
  const bool exists =
      (links == LinkRule::Replace ? lstat(target.c_str(), &existing) : stat(target.c_str(), &existing)) == 0;
  const bool link = exists && S_ISLNK(existing.st_mode);  // replaced, never followed
  if (exists && !link && !S_ISREG(existing.st_mode)) return WriteOutcome::NotAFile;
  if (exists && !link && (existing.st_mode & S_IWUSR) == 0) return WriteOutcome::ReadOnly;

  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return Fail(std::strerror(errno));
  const mode_t mode = exists && !link ? (existing.st_mode & 07777) : NewFileMode();
  const bool whole = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, content) && fsync(descriptor) == 0;
  const int why = errno;
  const bool closed = close(descriptor) == 0;
  if (!whole || !closed) {
    const std::string failure = std::strerror(whole ? errno : why);
    unlink(temporary.c_str());
    return Fail(failure);
  }
  if (rename(temporary.c_str(), target.c_str()) != 0) {
    const std::string failure = std::strerror(errno);
    unlink(temporary.c_str());
    return Fail(failure);
  }
  // The rename itself reaches the disk with its folder.
  const int folderDescriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderDescriptor >= 0) {
    fsync(folderDescriptor);
    close(folderDescriptor);
  }
  return WriteOutcome::Written;
}

bool IsReadOnlyFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

bool IsSpecialFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return false;
  // A path that cannot be looked at is not taken for a file either.
  return error || !std::filesystem::is_regular_file(status);
}

}  // namespace glyph
