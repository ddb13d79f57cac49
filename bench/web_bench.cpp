// SPDX-License-Identifier: GPL-3.0-or-later
// The core's speed as the browser page meets it, against the same program
// built natively: a hint on an empty grid and half way through, and drawing
// a puzzle rated expert (the workloads of glyph_bench's BM_Hint,
// BM_HintMidGame and BM_MakeRatedPuzzle). Prints one JSON line of mean
// times; bench/web_report.py runs it in headless Chromium and here.
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

// The mean time of one call of work(i) in microseconds, over rounds of
// calls until a second has passed.
template <typename Work>
double MeanMicroseconds(Work work) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  long calls = 0;
  volatile long sink = 0;
  while (Clock::now() - start < std::chrono::seconds(1)) {
    for (int k = 0; k < 16; ++k) sink = sink + work(calls++);
  }
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
  const double hint = MeanMicroseconds([&](long i) { return facts(glyph::NextHint(at(puzzles, i), empty)); });
  const double hintMid = MeanMicroseconds([&](long i) {
    const auto& [puzzle, grid] = at(halfWay, i);
    return facts(glyph::NextHint(puzzle, grid));
  });
  glyph::clsSystemRandom random(2);
  clsPuzzle drawn;
  const double expert = MeanMicroseconds(
      [&](long) { return static_cast<long>(glyph::MakeRatedPuzzle(drawn, random, glyph::Difficulty::Expert)); });
  std::printf("{\"hint_us\": %.1f, \"hint_mid_us\": %.1f, \"expert_draw_ms\": %.2f}\n", hint, hintMid, expert / 1000);
  return 0;
}
