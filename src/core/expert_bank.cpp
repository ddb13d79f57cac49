// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/expert_bank.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_random_source.h"

namespace glyph {

// The bank's text, one square a line, compiled in from core/expert_bank.txt.
extern const char* const kExpertBankText;

namespace {

const std::vector<std::string_view>& Squares() {
  static const std::vector<std::string_view> squares = [] {
    std::vector<std::string_view> lines;
    std::string_view text(kExpertBankText);
    while (!text.empty()) {
      const std::size_t end = std::min(text.find('\n'), text.size());
      const std::string_view line = text.substr(0, end);
      if (!line.empty() && line.front() != '#') lines.push_back(line);
      text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
  }();
  return squares;
}

// A whole number in [0, count) from the source's uniform draw.
std::size_t DrawBelow(clsRandomSource& random, std::size_t count) {
  return std::min(count - 1, static_cast<std::size_t>(random.Random() * static_cast<double>(count)));
}

}  // namespace

std::size_t ExpertBankSize() { return Squares().size(); }

std::string_view ExpertBankSquare(std::size_t i) { return Squares().at(i); }

void DrawFromExpertBank(clsPuzzle& puzzle, clsRandomSource& random) {
  if (Squares().empty()) throw std::logic_error("the expert bank is empty");
  puzzle.MakePuzzleFromSquare(Squares()[DrawBelow(random, Squares().size())], random);
}

}  // namespace glyph
