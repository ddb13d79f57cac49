// SPDX-License-Identifier: GPL-3.0-or-later
// The core's speed as the browser page meets it, against the same program
// built natively: a hint on an empty grid and half way through, and drawing
// a puzzle rated expert (the workloads of glyph_bench's BM_Hint,
// BM_HintMidGame and BM_MakeRatedPuzzle), each the same fixed number of
// calls on the same puzzles. Prints one JSON line of mean times;
// bench/web_report.py runs it in headless Chromium and here.
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/deduction.h"

namespace {

using glyph::clsPuzzle;
using glyph::clsSolveStatus;

std::vector<clsPuzzle> SomePuzzles() {
  glyph::clsSystemRandom random(1);
  std::vector<clsPuzzle> puzzles(64);
  for (clsPuzzle& puzzle : puzzles) puzzle.MakePuzzle(random);
  return puzzles;
}

// The mean time of one call of work(i) in microseconds, over calls for
// i = 0 .. calls - 1: the same work here and in the page.
template <typename Work>
double MeanMicroseconds(Work work, long calls) {
  using Clock = std::chrono::steady_clock;
  volatile long sink = 0;
  const auto start = Clock::now();
  for (long i = 0; i < calls; ++i) sink = sink + work(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / static_cast<double>(calls);
}

}  // namespace

int main() {
  const std::vector<clsPuzzle> puzzles = SomePuzzles();
  const clsSolveStatus empty;
  std::vector<std::pair<clsPuzzle, clsSolveStatus>> halfWay;
  for (const clsPuzzle& puzzle : puzzles) {
    const glyph::Chain chain = glyph::SolveChain(puzzle);
    clsSolveStatus grid;
    for (std::size_t k = 0; k < chain.steps.size() / 2; ++k) glyph::ApplyFacts(grid, chain.steps[k].facts);
    halfWay.emplace_back(puzzle, grid);
  }
  const auto at = [](const auto& list, long i) -> const auto& {
    return list[static_cast<std::size_t>(i) % list.size()];
  };
  const auto facts = [](const glyph::HintResult& hint) {
    return hint.deduction ? static_cast<long>(hint.deduction->facts.size()) : 0L;
  };
  const double hint = MeanMicroseconds([&](long i) { return facts(glyph::NextHint(at(puzzles, i), empty)); }, 20000);
  const double hintMid = MeanMicroseconds(
      [&](long i) {
        const auto& [puzzle, grid] = at(halfWay, i);
        return facts(glyph::NextHint(puzzle, grid));
      },
      20000);
  glyph::clsSystemRandom random(2);
  clsPuzzle drawn;
  const double expert = MeanMicroseconds(
      [&](long) { return static_cast<long>(glyph::MakeRatedPuzzle(drawn, random, glyph::Difficulty::Expert)); }, 300);
  std::printf("{\"hint_us\": %.1f, \"hint_mid_us\": %.1f, \"expert_draw_ms\": %.2f}\n", hint, hintMid, expert / 1000);
  return 0;
}
