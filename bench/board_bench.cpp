#include "board/BoardScan.h"
#include "board/Check.h"
#include "board/Generator.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace tessra;

class EngineRandom final : public RandomSource {
  public:
    float Draw() override { return static_cast<float>(engine_() >> 8) * 0x1.0p-24f; }

  private:
    std::mt19937 engine_{12345};
};

BoardDigits HalfFullBoard() {
    EngineRandom random;
    return GeneratePuzzle(40, random).puzzle;
}

void BM_BoardScan(benchmark::State& state) {
    const BoardDigits board = HalfFullBoard();
    FlagGrid flags;
    for (auto _ : state) {
        BoardScanSetFlags(flags, board);
        benchmark::DoNotOptimize(flags);
    }
}
BENCHMARK(BM_BoardScan);

void BM_GreedyFill(benchmark::State& state) {
    const TopRow row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (auto _ : state) {
        benchmark::DoNotOptimize(GreedyFill(row));
    }
}
BENCHMARK(BM_GreedyFill);

void BM_DeadEndCompletion(benchmark::State& state) {
    const TopRow row = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillFromTopRow(row));
    }
}
BENCHMARK(BM_DeadEndCompletion);

void BM_GeneratePuzzleVeryHard(benchmark::State& state) {
    EngineRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeneratePuzzle(20, random));
    }
}
BENCHMARK(BM_GeneratePuzzleVeryHard);

void BM_CheckPuzzle(benchmark::State& state) {
    EngineRandom random;
    const BoardDigits solution = GeneratePuzzle(20, random).solution;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckPuzzle(solution));
    }
}
BENCHMARK(BM_CheckPuzzle);

} // namespace
