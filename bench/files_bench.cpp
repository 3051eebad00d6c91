#include "files/SavFile.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace tessra;

// A generated puzzle as a user saves it: a full solution, digits in a third
// of the cells, mixed candidate strings and colours.
SavedPuzzle FullPuzzle() {
    SavedPuzzle puzzle;
    puzzle.randomPuzzleGenerateFlag = true;
    for (int i = 0; i < CellCount; ++i) {
        SavedCell& cell = puzzle.cells[static_cast<std::size_t>(i)];
        const int row = RowOf(i);
        cell.solution = std::to_string((row * 3 + row / 3 + ColumnOf(i)) % 9 + 1);
        if (i % 3 == 0) {
            cell.text = cell.solution;
        }
        cell.flags = CandidateString::FromMask(static_cast<std::uint16_t>(i * 73));
        cell.foreColor = i % 2 == 0 ? 0xFFu : 0x80000008u;
        cell.backColor = i % 5 == 0 ? 0xFFFFFFu : 0x80000005u;
    }
    for (std::size_t j = 0; j < puzzle.palette.size(); ++j) {
        puzzle.palette[j] = static_cast<std::uint32_t>(j * 0x111111);
    }
    return puzzle;
}

void BM_ReadSavFile(benchmark::State& state) {
    const std::string file = WriteSavFile(FullPuzzle());
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
    const SavedPuzzle puzzle = FullPuzzle();
    for (auto _ : state) {
        std::string file = WriteSavFile(puzzle);
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_WriteSavFile);

} // namespace
