// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle's text form: a text that is accepted writes back to a text that
// reads to the same puzzle; a refused one changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/cls_puzzle.h"
#include "core/solution_counter.h"
#include "core/solution_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  glyph::clsPuzzle puzzle;
  const std::string before = puzzle.MakeSendString();
  if (!puzzle.GetSendString(text)) {
    if (puzzle.MakeSendString() != before) std::abort();
    return 0;
  }
  const std::string written = puzzle.MakeSendString();
  glyph::clsPuzzle again;
  if (!again.GetSendString(written) || again.MakeSendString() != written) std::abort();
  for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(d));
  glyph::clsSolveStatus grid;
  glyph::IsSolutionCorrect(puzzle, grid);
  if (size < 64) glyph::CountSolutions(puzzle);  // bounded: the search is exponential in the worst case
  return 0;
}
