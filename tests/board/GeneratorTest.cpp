#include "board/Generator.h"

#include "board/BoardScan.h"
#include "board/Check.h"
#include "support/TestBoards.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ParseBoard;
using test::ScriptedRandom;

TopRow Row(const char* digits) {
    TopRow row{};
    for (int x = 0; x < 9; ++x) {
        row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(digits[x] - '0');
    }
    return row;
}

bool HasTopRow(const BoardDigits& board, const TopRow& row) {
    return std::equal(row.begin(), row.end(), board.begin());
}

int CountOpen(const BoardDigits& board) {
    return static_cast<int>(std::count(board.begin(), board.end(), 0));
}

TEST(Generator, GreedyFillOfTheIdentityRow) {
    const auto board = GreedyFill(Row("123456789"));
    ASSERT_TRUE(board.has_value());
    EXPECT_EQ(*board, ParseBoard(test::SolvedBoard));
    EXPECT_EQ(FillFromTopRow(Row("123456789")), *board);
}

TEST(Generator, DeadEndTopRowsStillGiveAValidSolution) {
    for (const char* digits : {"987654321", "123457689"}) {
        const TopRow row = Row(digits);
        EXPECT_FALSE(GreedyFill(row).has_value()) << digits;
        const BoardDigits solution = FillFromTopRow(row);
        EXPECT_TRUE(CheckPuzzle(solution)) << digits;
        EXPECT_TRUE(HasTopRow(solution, row)) << digits;
        EXPECT_EQ(FillFromTopRow(row), solution) << "the same top row gives the same board";
    }
}

TEST(Generator, CountPossibleDigitsCountsTheBlockOfTheCell) {
    BoardDigits board{};
    board[IndexOf(3, 3)] = 1; // centre block
    board[IndexOf(0, 4)] = 2; // row 4: removes 2 from the centre block's row 4
    FlagGrid flags;
    BoardScanSetFlags(flags, board);
    NineFlags nine{};
    nine.fill(42);
    CountPossibleDigits3x3Block(flags, nine, IndexOf(5, 5));
    EXPECT_EQ(nine[1], 1) << "only the filled cell itself";
    EXPECT_EQ(nine[2], 5) << "neither row 4 of the block nor the filled cell takes a 2";
    for (int d = 3; d <= 9; ++d) {
        EXPECT_EQ(nine[static_cast<std::size_t>(d)], 8) << d;
    }
}

TEST(Generator, DrawTopRowIsAnArrangementFromNineDraws) {
    for (const float r : {0.0f, 0.25f, 0.5f, 0.99999994f}) {
        ScriptedRandom random({r, 0.7f, 0.1f});
        TopRow row = DrawTopRow(random);
        EXPECT_EQ(random.Count(), 9U);
        std::sort(row.begin(), row.end());
        EXPECT_EQ(row, Row("123456789"));
    }
    ScriptedRandom lowest({0.0f});
    EXPECT_EQ(DrawTopRow(lowest), Row("123456789"))
        << "the lowest draw always takes the lowest digit";
}

TEST(Generator, RandomCellClearKeepsExactlyTheCountOfEachLevel) {
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    for (const int keep : {33, 30, 27, 24, 20, 0, 81, 1}) {
        ScriptedRandom random({0.13f, 0.77f, 0.5f, 0.91f, 0.02f});
        BoardDigits board = solved;
        RandomCellClear(board, keep, random);
        EXPECT_EQ(random.Count(), 162U) << keep;
        EXPECT_EQ(CountOpen(board), 81 - keep) << keep;
        for (int i = 0; i < CellCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_TRUE(board[at] == 0 || board[at] == solved[at]) << "kept cells keep their digit";
        }
    }
}

TEST(Generator, RandomCellClearExchangesTheDrawnPlaces) {
    // All draws 0: every exchange swaps place 0 with itself, so the first
    // cells2Keep cells by index are the ones kept.
    BoardDigits board = ParseBoard(test::SolvedBoard);
    ScriptedRandom zero({0.0f});
    RandomCellClear(board, 3, zero);
    EXPECT_EQ(board[0], 1);
    EXPECT_EQ(board[1], 2);
    EXPECT_EQ(board[2], 3);
    EXPECT_EQ(CountOpen(board), 78);

    // The first exchange swaps places 0 and 80 (the largest draw below 1
    // gives 80); the other 80 swap place 0 with itself. Place 0 then names
    // cell 80, the one cell kept.
    std::vector<float> draws(162, 0.0f);
    draws[1] = 0.99999994f;
    BoardDigits swapped = ParseBoard(test::SolvedBoard);
    ScriptedRandom once(draws);
    RandomCellClear(swapped, 1, once);
    EXPECT_EQ(CountOpen(swapped), 80);
    EXPECT_EQ(swapped[80], 8);
}

TEST(Generator, GeneratePuzzleTakes171DrawsAndKeepsSolutionDigits) {
    for (const int keep : {33, 30, 27, 24, 20}) {
        ScriptedRandom random({0.31f, 0.62f, 0.05f, 0.88f, 0.47f, 0.19f, 0.73f});
        const GeneratedPuzzle generated = GeneratePuzzle(keep, random);
        EXPECT_EQ(random.Count(), 171U);
        EXPECT_TRUE(CheckPuzzle(generated.solution));
        EXPECT_EQ(CountOpen(generated.puzzle), 81 - keep);
        for (int i = 0; i < CellCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_TRUE(generated.puzzle[at] == 0 ||
                        generated.puzzle[at] == generated.solution[at]);
        }
    }
}

} // namespace
} // namespace tessra
