#include "files/SavFile.h"
#include "support/SamplePuzzle.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace tessra;

void BM_ReadSavFile(benchmark::State& state) {
    const std::string file = WriteSavFile(test::SamplePuzzle());
    for (auto _ : state) {
        SavReadResult result = ReadSavFile(file);
        if (!result.puzzle) {
            state.SkipWithError(result.error.Message().c_str());
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadSavFile);

void BM_WriteSavFile(benchmark::State& state) {
    const SavedPuzzle puzzle = test::SamplePuzzle();
    for (auto _ : state) {
        std::string file = WriteSavFile(puzzle);
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_WriteSavFile);

} // namespace
