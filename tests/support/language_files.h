// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cls_system_random.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"

namespace glyph::test {

// Writes plain lines enciphered under a key, one a line; an empty line
// stays empty.
inline void WriteEnciphered(const std::filesystem::path& file, std::int32_t key, const std::vector<std::string>& lines,
                            const std::string& lineEnd = "\r\n") {
  clsSystemRandom random(1);
  clsCrypt crypt(random);
  std::ofstream stream(file, std::ios::binary);
  for (const std::string& line : lines) stream << (line.empty() ? "" : crypt.Encrypt(line, key)) << lineEnd;
}

// A fresh empty folder below the system's temporary folder, removed again
// when the object goes.
class clsTempFolder {
 public:
  clsTempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "glyph-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
  }
  ~clsTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  clsTempFolder(const clsTempFolder&) = delete;
  clsTempFolder& operator=(const clsTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace glyph::test
