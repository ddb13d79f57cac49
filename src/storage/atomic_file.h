#pragma once

#include <filesystem>
#include <string>

namespace glyph {

// Writes content to file through a temporary file in the same folder that
// then replaces it, so that a failed write never damages an existing file.
// Returns false (and leaves no temporary file) when anything fails.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& content);

}  // namespace glyph
