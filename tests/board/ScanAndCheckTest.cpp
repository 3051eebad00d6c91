// Reading the whole board: the candidates the scan leaves in every cell, and
// the check's verdict. Random boards against plain references are in
// BoardEngineDifferentialTest.cpp; these are the cases worth naming.

#include "board/BoardScan.h"
#include "board/Check.h"
#include "support/TestBoards.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ParseBoard;
using test::SharesUnit;

FlagGrid Scan(const BoardDigits& board) {
    FlagGrid grid;
    grid.fill(CandidateString::None());
    BoardScanSetFlags(grid, board);
    return grid;
}

TEST(BoardScan, DigitsLeaveTheirRowColumnAndBlock) {
    for (const CandidateString flags : Scan(BoardDigits{})) {
        EXPECT_EQ(flags, CandidateString::All());
    }
    BoardDigits one{};
    one[40] = 5;
    const FlagGrid grid = Scan(one);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(grid[i].ToString(), i == 40             ? "....5...."
                                      : SharesUnit(i, 40) ? "1234.6789"
                                                          : "123456789")
            << i;
    }
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    const FlagGrid full = Scan(solved);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(full[i].Mask(), 1U << (solved[i] - 1)) << i;
    }
    const BoardDigits puzzle = ParseBoard(
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    EXPECT_EQ(Scan(puzzle)[IndexOf(2, 0)].ToString(), "12.4.....")
        << "5 3 7 in its row, 8 in its column, 6 9 8 in its block";
}

TEST(BoardScan, LaterVisitedCellWinsAConflict) {
    struct Row {
        const char* what;
        int first;  // visited first: ends with no candidate
        int second; // visited later: keeps its digit
    };
    const Row rows[] = {
        {"row: the right one wins", IndexOf(1, 0), IndexOf(6, 0)},
        {"column: the lower one wins", IndexOf(0, 1), IndexOf(0, 6)},
        {"block: the later column wins", IndexOf(1, 2), IndexOf(2, 0)},
        {"block, same column: the lower one wins", IndexOf(4, 3), IndexOf(4, 5)},
    };
    for (const Row& row : rows) {
        BoardDigits board{};
        board[row.first] = 3;
        board[row.second] = 3;
        const FlagGrid grid = Scan(board);
        EXPECT_EQ(grid[row.first].ToString(), ".........") << row.what;
        EXPECT_EQ(grid[row.second].ToString(), "..3......") << row.what;
        for (int i = 0; i < CellCount; ++i) {
            if (i != row.first && i != row.second) {
                EXPECT_EQ(grid[i].Has(3), !SharesUnit(i, row.first) && !SharesUnit(i, row.second))
                    << row.what << " cell " << i;
            }
        }
    }
    // (8, 0) loses to (8, 8) below it, and (0, 0) to (8, 0) although that
    // one ends empty itself.
    BoardDigits chain{};
    chain[IndexOf(0, 0)] = chain[IndexOf(8, 0)] = chain[IndexOf(8, 8)] = 7;
    const FlagGrid grid = Scan(chain);
    EXPECT_EQ(grid[IndexOf(0, 0)].ToString(), ".........");
    EXPECT_EQ(grid[IndexOf(8, 0)].ToString(), ".........");
    EXPECT_EQ(grid[IndexOf(8, 8)].ToString(), "......7..");
}

TEST(CheckPuzzle, JudgesEveryBlockRowAndColumn) {
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    const auto changed = [&solved](auto change) {
        BoardDigits board = solved;
        change(board);
        return board;
    };
    const auto swap = [](int a, int b) {
        return [a, b](BoardDigits& board) { std::swap(board[a], board[b]); };
    };
    const struct {
        const char* what;
        BoardDigits board;
        bool correct;
    } rows[] = {
        {"solved", solved, true},
        {"relabelled, another solution", changed([](BoardDigits& b) {
             for (auto& d : b) {
                 d = static_cast<std::uint8_t>(d % 9 + 1);
             }
         }),
         true},
        {"empty", BoardDigits{}, false},
        {"one open cell", changed([](BoardDigits& b) { b[40] = 0; }), false},
        {"a cell holding 10", changed([](BoardDigits& b) { b[80] = 10; }), false},
        {"rows 0 and 1 repeat", changed(swap(IndexOf(0, 0), IndexOf(0, 1))), false},
        {"columns 0 and 1 repeat", changed(swap(IndexOf(0, 0), IndexOf(1, 0))), false},
        {"last row and column repeat", changed(swap(IndexOf(7, 7), IndexOf(8, 8))), false},
        {"rows and columns right, blocks wrong", changed([](BoardDigits& b) {
             for (int x = 0; x < BoardSide; ++x) {
                 std::swap(b[IndexOf(x, 2)], b[IndexOf(x, 3)]);
             }
         }),
         false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CheckPuzzle(row.board), row.correct) << row.what;
    }
}

} // namespace
} // namespace tessra
