// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cls_file_writer.h"

namespace glyph {

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
