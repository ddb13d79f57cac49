// Speed of the puzzle core and the cipher: puzzles generated per second,
// the time of one solution count, and enciphering a typical 42-character line.
#include <benchmark/benchmark.h>

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
    for (std::size_t k = 0; k < chain.steps.size() / 2; ++k) ApplyFact(grid, chain.steps[k].fact);
    games.emplace_back(puzzle, grid);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [puzzle, grid] = games[i++ % games.size()];
    benchmark::DoNotOptimize(NextHint(puzzle, grid));
  }
}
BENCHMARK(BM_HintMidGame)->Unit(benchmark::kMicrosecond);

void BM_RatePuzzle(benchmark::State& state) {
  const std::vector<clsPuzzle> puzzles = SomePuzzles();
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RatePuzzle(puzzles[i++ % puzzles.size()]));
}
BENCHMARK(BM_RatePuzzle)->Unit(benchmark::kMillisecond);

// Drawing puzzles until one rates hard, as a print batch of hard puzzles does.
void BM_MakeHardPuzzle(benchmark::State& state) {
  clsSystemRandom random(2);
  clsPuzzle puzzle;
  for (auto _ : state) benchmark::DoNotOptimize(MakeRatedPuzzle(puzzle, random, Difficulty::Hard));
}
BENCHMARK(BM_MakeHardPuzzle)->Unit(benchmark::kMillisecond);

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
