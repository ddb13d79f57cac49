// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the puzzle core and the cipher: puzzles generated per second,
// the time of one solution count, and enciphering a typical 42-character line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
#include "core/deduction.h"
#include "core/solution_counter.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"

namespace glyph {
namespace {

void BM_MakePuzzle(benchmark::State& state) {
  clsSystemRandom random;
  clsPuzzle puzzle;
  for (auto _ : state) {
    puzzle.MakePuzzle(random);
    benchmark::DoNotOptimize(puzzle.Number9());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakePuzzle);

void BM_CountSolutions(benchmark::State& state) {
  clsSystemRandom random(1);
  std::vector<clsPuzzle> puzzles(64);
  for (clsPuzzle& puzzle : puzzles) puzzle.MakePuzzle(random);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountSolutions(puzzles[i++ % puzzles.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CountSolutions)->Unit(benchmark::kMicrosecond);

std::vector<clsPuzzle> SomePuzzles() {
  clsSystemRandom random(1);
  std::vector<clsPuzzle> puzzles(64);
  for (clsPuzzle& puzzle : puzzles) puzzle.MakePuzzle(random);
  return puzzles;
}

// The next fact for an empty grid: the first hint of a new game.
void BM_Hint(benchmark::State& state) {
  const std::vector<clsPuzzle> puzzles = SomePuzzles();
  const clsSolveStatus empty;
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(NextHint(puzzles[i++ % puzzles.size()], empty));
}
BENCHMARK(BM_Hint)->Unit(benchmark::kMicrosecond);

// A hint half way through: the grid holds the first half of the chain.
void BM_HintMidGame(benchmark::State& state) {
  std::vector<std::pair<clsPuzzle, clsSolveStatus>> games;
  for (const clsPuzzle& puzzle : SomePuzzles()) {
    const Chain chain = SolveChain(puzzle);
    clsSolveStatus grid;
    for (std::size_t k = 0; k < chain.steps.size() / 2; ++k) ApplyFacts(grid, chain.steps[k].facts);
    games.emplace_back(puzzle, grid);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [puzzle, grid] = games[i++ % games.size()];
    benchmark::DoNotOptimize(NextHint(puzzle, grid));
  }
}
BENCHMARK(BM_HintMidGame)->Unit(benchmark::kMicrosecond);

// The slowest hint a player can meet: every grid along the chains of 300
// expert puzzles, each hint timed with what it rests on (as the game shows
// it). A grid's time is the least of three runs, so that a moment the
// machine spends elsewhere does not pass for a slow hint. The counters give
// the worst, the 99th percentile, the median and the mean of one hint.
void BM_WorstExpertHint(benchmark::State& state) {
  clsSystemRandom random(5);
  std::vector<std::pair<clsPuzzle, clsSolveStatus>> grids;
  for (int n = 0; n < 300; ++n) {
    clsPuzzle puzzle;
    MakeRatedPuzzle(puzzle, random, Difficulty::Expert);
    clsSolveStatus grid;
    for (const Deduction& step : SolveChain(puzzle).steps) {
      grids.emplace_back(puzzle, grid);
      ApplyFacts(grid, step.facts);
    }
  }
  std::vector<double> times(grids.size(), 1e9);
  for (auto _ : state) {
    for (int run = 0; run < 3; ++run) {
      for (std::size_t i = 0; i < grids.size(); ++i) {
        const auto& [puzzle, grid] = grids[i];
        const auto start = std::chrono::steady_clock::now();
        HintResult hint = NextHint(puzzle, grid);
        if (hint.deduction) Elaborate(*hint.deduction, ShapeOf(puzzle), MarksOf(grid));
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        times[i] = std::min(times[i], took.count());
      }
    }
  }
  const auto at = [&](double share) {
    return times[std::min(times.size() - 1, static_cast<std::size_t>(share * static_cast<double>(times.size())))];
  };
  const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
  std::sort(times.begin(), times.end());
  state.counters["grids"] = static_cast<double>(grids.size());
  state.counters["worst_ms"] = times.back();
  state.counters["p99_ms"] = at(0.99);
  state.counters["median_ms"] = at(0.5);
  state.counters["mean_ms"] = mean;
}
BENCHMARK(BM_WorstExpertHint)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RatePuzzle(benchmark::State& state) {
  const std::vector<clsPuzzle> puzzles = SomePuzzles();
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RatePuzzle(puzzles[i++ % puzzles.size()]));
}
BENCHMARK(BM_RatePuzzle)->Unit(benchmark::kMillisecond);

// Drawing puzzles until one has the level and a single solution, as a new
// game or a print batch at that level does: the mean time of one draw.
void BM_MakeRatedPuzzle(benchmark::State& state) {
  clsSystemRandom random(2);
  clsPuzzle puzzle;
  const auto level = static_cast<Difficulty>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(MakeRatedPuzzle(puzzle, random, level));
  state.SetLabel(DifficultyName(level));
}
BENCHMARK(BM_MakeRatedPuzzle)
    ->Arg(static_cast<int>(Difficulty::Easy))
    ->Arg(static_cast<int>(Difficulty::Medium))
    ->Arg(static_cast<int>(Difficulty::Hard))
    ->Arg(static_cast<int>(Difficulty::Expert))
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

const std::string kLine = "A;-+-+-+740;227;967;518;356;162;222;583;805";  // 42 characters

void BM_Encrypt42(benchmark::State& state) {
  clsSystemRandom random;
  clsCrypt crypt(random);
  for (auto _ : state) benchmark::DoNotOptimize(crypt.Encrypt(kLine, kSaveGameKey));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(kLine.size()));
}
BENCHMARK(BM_Encrypt42);

void BM_Decrypt42(benchmark::State& state) {
  clsSystemRandom random;
  const std::string cipher = clsCrypt(random).Encrypt(kLine, kSaveGameKey);
  for (auto _ : state) benchmark::DoNotOptimize(clsCrypt::Decrypt(cipher, kSaveGameKey));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(kLine.size()));
}
BENCHMARK(BM_Decrypt42);

}  // namespace
}  // namespace glyph
