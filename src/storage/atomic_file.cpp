#include "storage/atomic_file.h"

#include <fstream>
#include <random>

namespace glyph {

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& content) {
  std::random_device device;
  std::filesystem::path temporary = file;
  temporary += ".tmp" + std::to_string(device() % 1000000);
  {
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream) return false;
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    stream.close();
    if (!stream) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace glyph
