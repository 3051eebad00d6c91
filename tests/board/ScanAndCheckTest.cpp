// Reading the whole board: the named cases of the scan's candidates and the
// check's verdict (random boards are in BoardEngineDifferentialTest.cpp).

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
    BoardDigits one{};
    one[40] = 5;
    const FlagGrid empty = Scan(BoardDigits{}), single = Scan(one);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(empty[i], CandidateString::All()) << i;
        EXPECT_EQ(single[i].ToString(), i == 40             ? "....5...."
                                        : SharesUnit(i, 40) ? "1234.6789"
                                                            : "123456789")
            << i;
    }
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    const FlagGrid full = Scan(solved);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(full[i].Mask(), 1U << (solved[i] - 1)) << i;
    }
    // 5 3 7 in its row, 8 in its column and 6 9 8 in its block.
    EXPECT_EQ(
        Scan(ParseBoard(
            "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"))[2]
            .ToString(),
        "12.4.....");
}

TEST(BoardScan, LaterVisitedCellWinsAConflict) {
    const struct {
        const char* what;
        int first;  // visited first: ends with no candidate
        int second; // visited later: keeps its digit
    } rows[] = {{"row: the right one wins", IndexOf(1, 0), IndexOf(6, 0)},
                {"column: the lower one wins", IndexOf(0, 1), IndexOf(0, 6)},
                {"block: the later column wins", IndexOf(1, 2), IndexOf(2, 0)},
                {"block, same column: the lower one wins", IndexOf(4, 3), IndexOf(4, 5)}};
    for (const auto& row : rows) {
        BoardDigits board{};
        board[row.first] = board[row.second] = 3;
        const FlagGrid grid = Scan(board);
        EXPECT_EQ(grid[row.first].ToString() + grid[row.second].ToString(), "...........3......")
            << row.what;
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_TRUE(i == row.first || i == row.second ||
                        grid[i].Has(3) == (!SharesUnit(i, row.first) && !SharesUnit(i, row.second)))
                << row.what << " cell " << i;
        }
    }
    // (8, 0) loses to (8, 8) below it, and (0, 0) to (8, 0) all the same.
    BoardDigits chain{};
    chain[IndexOf(0, 0)] = chain[IndexOf(8, 0)] = chain[IndexOf(8, 8)] = 7;
    const FlagGrid grid = Scan(chain);
    EXPECT_EQ(grid[IndexOf(0, 0)].ToString() + grid[IndexOf(8, 0)].ToString() +
                  grid[IndexOf(8, 8)].ToString(),
              "........................7..");
}

TEST(CheckPuzzle, JudgesEveryBlockRowAndColumn) {
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    BoardDigits relabelled = solved, open = solved, ten = solved, rows = solved, columns = solved,
                corner = solved, blocks = solved;
    for (auto& d : relabelled) {
        d = std::uint8_t(d % 9 + 1);
    }
    open[40] = 0;
    ten[80] = 10;
    std::swap(rows[IndexOf(0, 0)], rows[IndexOf(0, 1)]);       // rows 0 and 1 repeat
    std::swap(columns[IndexOf(0, 0)], columns[IndexOf(1, 0)]); // columns 0 and 1 repeat
    std::swap(corner[IndexOf(7, 7)], corner[IndexOf(8, 8)]);   // the last row and column
    for (int x = 0; x < BoardSide; ++x) {
        std::swap(blocks[IndexOf(x, 2)], blocks[IndexOf(x, 3)]); // only the blocks wrong
    }
    EXPECT_TRUE(CheckPuzzle(solved));
    EXPECT_TRUE(CheckPuzzle(relabelled)) << "another solution";
    int n = 0; // empty, one open cell, a 10, rows, columns, the corner, blocks
    for (const BoardDigits& wrong : {BoardDigits{}, open, ten, rows, columns, corner, blocks}) {
        EXPECT_FALSE(CheckPuzzle(wrong)) << n++;
    }
}

} // namespace
} // namespace tessra
