#include "board/Check.h"

#include "support/TestBoards.h"

#include <gtest/gtest.h>
#include <utility>

namespace tessra {
namespace {

using test::ParseBoard;

BoardDigits Swapped(BoardDigits board, int a, int b) {
    std::swap(board[static_cast<std::size_t>(a)], board[static_cast<std::size_t>(b)]);
    return board;
}

TEST(CheckPuzzle, JudgesEveryBlockRowAndColumn) {
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    // Relabelling the digits of a solution gives another valid solution.
    BoardDigits relabelled = solved;
    for (auto& d : relabelled) {
        d = static_cast<std::uint8_t>(d % 9 + 1);
    }
    BoardDigits oneOpen = solved;
    oneOpen[40] = 0;

    struct Row {
        const char* what;
        BoardDigits board;
        bool correct;
    };
    const Row rows[] = {
        {"solved", solved, true},
        {"another valid solution", relabelled, true},
        {"empty", BoardDigits{}, false},
        {"one open cell", oneOpen, false},
        // Two cells of one block exchanged: the blocks stay right.
        {"blocks and columns right, rows 0 and 1 repeat",
         Swapped(solved, IndexOf(0, 0), IndexOf(0, 1)), false},
        {"blocks and rows right, columns 0 and 1 repeat",
         Swapped(solved, IndexOf(0, 0), IndexOf(1, 0)), false},
        {"blocks right, last row and column repeat", Swapped(solved, IndexOf(7, 7), IndexOf(8, 8)),
         false},
        // Whole rows exchanged across bands: rows and columns stay right.
        {"rows and columns right, blocks wrong",
         [&] {
             BoardDigits b = solved;
             for (int x = 0; x < 9; ++x) {
                 std::swap(b[static_cast<std::size_t>(IndexOf(x, 2))],
                           b[static_cast<std::size_t>(IndexOf(x, 3))]);
             }
             return b;
         }(),
         false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CheckPuzzle(row.board), row.correct) << row.what;
    }
}

} // namespace
} // namespace tessra
