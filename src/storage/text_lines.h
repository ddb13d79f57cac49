#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glyph {

// The lines of a text file: CR LF, LF alone and CR alone all end a line, so a
// file from any system reads alike. A last line without an end counts; the
// end of the last line does not start another.
std::vector<std::string> SplitTextLines(std::string_view content);

}  // namespace glyph
