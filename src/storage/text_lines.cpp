// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/text_lines.h"

namespace glyph {

std::vector<std::string> SplitTextLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, end - start));
    start = end + ((content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::optional<std::string> clsLineReader::Next() {
  if (tooLong_) return std::nullopt;
  std::string line;
  for (int c = stream_.get(); c != std::char_traits<char>::eof(); c = stream_.get()) {
    if (c == '\n') return line;
    if (c == '\r') {
      if (stream_.peek() == '\n') stream_.get();
      return line;
    }
    if (line.size() == longest_) {
      tooLong_ = true;
      return std::nullopt;
    }
    line += static_cast<char>(c);
  }
  if (line.empty()) return std::nullopt;  // the end of the last line starts no other
  return line;
}

}  // namespace glyph
