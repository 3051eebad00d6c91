// The board engine: the scan that runs on every keystroke, the check, and
// the generator's parts. The literal string scan below is the reference the
// scan is measured against, on the same boards in the same run.

#include "board/BoardScan.h"
#include "board/Check.h"
#include "board/Generator.h"

#include <array>
#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

using namespace tessra;

class EngineRandom final : public RandomSource {
  public:
    float Draw() override { return static_cast<float>(engine_() >> 8) * 0x1.0p-24f; }

  private:
    std::mt19937 engine_{12345};
};

// The three boards every scan runs on: empty, a puzzle with 40 digits, and
// its full solution.
BoardDigits Board(int which) {
    EngineRandom random;
    const GeneratedPuzzle generated = GeneratePuzzle(40, random);
    switch (which) {
    case 0:
        return BoardDigits{};
    case 1:
        return generated.puzzle;
    default:
        return generated.solution;
    }
}

void NameBoards(benchmark::internal::Benchmark* b) {
    b->ArgName("board")->Arg(0)->Arg(1)->Arg(2); // empty, 40 digits, full
}

// The scan written exactly as its rules read: nine-character strings, and
// every flag write copies the cell's string, changes one character and
// stores the copy back.
using StringGrid = std::array<std::string, CellCount>;

void LiteralSetFlagGrid(StringGrid& grid, int x, int y, int digit, int value) {
    std::string flags = grid[static_cast<std::size_t>(IndexOf(x, y))];
    flags[static_cast<std::size_t>(digit - 1)] = value == -1 ? static_cast<char>('0' + digit) : '.';
    grid[static_cast<std::size_t>(IndexOf(x, y))] = flags;
}

void LiteralBoardScan(StringGrid& grid, const BoardDigits& board) {
    for (std::string& flags : grid) {
        flags = "123456789";
    }
    for (int x = 0; x < BoardSide; ++x) {
        for (int y = 0; y < BoardSide; ++y) {
            const int v = board[static_cast<std::size_t>(IndexOf(x, y))];
            if (v < 1 || v > 9) {
                continue;
            }
            for (int cx = 0; cx < BoardSide; ++cx) {
                LiteralSetFlagGrid(grid, cx, y, v, 0);
            }
            for (int cy = 0; cy < BoardSide; ++cy) {
                LiteralSetFlagGrid(grid, x, cy, v, 0);
            }
            for (int cx = x - x % 3; cx < x - x % 3 + 3; ++cx) {
                for (int cy = y - y % 3; cy < y - y % 3 + 3; ++cy) {
                    LiteralSetFlagGrid(grid, cx, cy, v, 0);
                }
            }
            grid[static_cast<std::size_t>(IndexOf(x, y))] = ".........";
            LiteralSetFlagGrid(grid, x, y, v, -1);
        }
    }
}

void BM_LiteralStringScan(benchmark::State& state) {
    const BoardDigits board = Board(static_cast<int>(state.range(0)));
    StringGrid grid;
    for (auto _ : state) {
        LiteralBoardScan(grid, board);
        benchmark::DoNotOptimize(grid);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LiteralStringScan)->Apply(NameBoards);

void BM_BoardScan(benchmark::State& state) {
    const BoardDigits board = Board(static_cast<int>(state.range(0)));
    FlagGrid flags;
    for (auto _ : state) {
        BoardScanSetFlags(flags, board);
        benchmark::DoNotOptimize(flags);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BoardScan)->Apply(NameBoards);

void BM_CheckPuzzleSolved(benchmark::State& state) {
    const BoardDigits solution = Board(2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckPuzzle(solution));
    }
}
BENCHMARK(BM_CheckPuzzleSolved);

void BM_GreedyFill(benchmark::State& state) {
    const TopRow row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (auto _ : state) {
        benchmark::DoNotOptimize(GreedyFill(row));
    }
}
BENCHMARK(BM_GreedyFill);

// A top row on which the greedy fill meets a dead end: the greedy attempt
// plus the completion that follows it.
void BM_DeadEndCompletion(benchmark::State& state) {
    const TopRow row = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillFromTopRow(row));
    }
}
BENCHMARK(BM_DeadEndCompletion);

// The whole generation at each level, by the number of cells kept: random
// top rows, so dead ends come in at their natural rate.
void BM_GeneratePuzzle(benchmark::State& state) {
    const int keep = static_cast<int>(state.range(0));
    EngineRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeneratePuzzle(keep, random));
    }
}
BENCHMARK(BM_GeneratePuzzle)->ArgName("keep")->Arg(33)->Arg(30)->Arg(27)->Arg(24)->Arg(20);

} // namespace
