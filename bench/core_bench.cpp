// Speed of the puzzle core and the cipher: puzzles generated per second,
// the time of one solution count, and enciphering a typical 42-character line.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/cls_puzzle.h"
#include "core/cls_system_random.h"
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
