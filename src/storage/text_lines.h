// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyph {

// The lines of a text file: CR LF, LF alone and CR alone all end a line, so a
// file from any system reads alike. A last line without an end counts; the
// end of the last line does not start another.
std::vector<std::string> SplitTextLines(std::string_view content);

// The same lines read one at a time from a stream, with bounded memory: a
// line longer than the limit is not kept, and is reported as too long.
class clsLineReader {
 public:
  clsLineReader(std::istream& stream, std::size_t longestLine) : stream_(stream), longest_(longestLine) {}
  // The next line, or nothing at the end of the stream or after a line that
  // was too long (TooLong() then tells).
  std::optional<std::string> Next();
  bool TooLong() const { return tooLong_; }

 private:
  std::istream& stream_;
  std::size_t longest_;
  bool tooLong_ = false;
};

}  // namespace glyph
