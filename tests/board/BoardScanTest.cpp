#include "board/BoardScan.h"

#include "support/TestBoards.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ParseBoard;

std::string Flags(const FlagGrid& grid, int x, int y) {
    return grid[static_cast<std::size_t>(IndexOf(x, y))].ToString();
}

using test::SharesUnit;

TEST(BoardScan, EmptyBoardAllowsEveryDigitEverywhere) {
    FlagGrid grid;
    grid.fill(CandidateString::None());
    BoardScanSetFlags(grid, BoardDigits{});
    for (const CandidateString& flags : grid) {
        EXPECT_EQ(flags, CandidateString::All());
    }
}

TEST(BoardScan, SingleDigitLeavesItsRowColumnAndBlock) {
    BoardDigits board{};
    board[40] = 5;
    FlagGrid grid;
    BoardScanSetFlags(grid, board);
    for (int i = 0; i < CellCount; ++i) {
        const std::string expected = i == 40             ? "....5...."
                                     : SharesUnit(i, 40) ? "1234.6789"
                                                         : "123456789";
        EXPECT_EQ(grid[static_cast<std::size_t>(i)].ToString(), expected) << i;
    }
}

TEST(BoardScan, SolvedBoardLeavesEachCellOnlyItsDigit) {
    const BoardDigits board = ParseBoard(test::SolvedBoard);
    FlagGrid grid;
    BoardScanSetFlags(grid, board);
    for (int i = 0; i < CellCount; ++i) {
        CandidateString only = CandidateString::None();
        only.Set(board[static_cast<std::size_t>(i)], true);
        EXPECT_EQ(grid[static_cast<std::size_t>(i)], only) << i;
    }
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
        board[static_cast<std::size_t>(row.first)] = 3;
        board[static_cast<std::size_t>(row.second)] = 3;
        FlagGrid grid;
        BoardScanSetFlags(grid, board);
        EXPECT_EQ(grid[static_cast<std::size_t>(row.first)].ToString(), ".........") << row.what;
        EXPECT_EQ(grid[static_cast<std::size_t>(row.second)].ToString(), "..3......") << row.what;
        for (int i = 0; i < CellCount; ++i) {
            if (i == row.first || i == row.second) {
                continue;
            }
            const bool seesA3 = SharesUnit(i, row.first) || SharesUnit(i, row.second);
            EXPECT_EQ(grid[static_cast<std::size_t>(i)].Has(3), !seesA3)
                << row.what << " cell " << i;
        }
    }
}

TEST(BoardScan, ConflictOnlyWithCellsVisitedLaterMatters) {
    // The 7 at (0, 0) and the 7 at (8, 0) clash in row 0; the 7 at (8, 8)
    // clashes with (8, 0) in column 8 and is visited last, so (8, 0) loses
    // twice and (0, 0) loses to (8, 0).
    BoardDigits board{};
    board[IndexOf(0, 0)] = 7;
    board[IndexOf(8, 0)] = 7;
    board[IndexOf(8, 8)] = 7;
    FlagGrid grid;
    BoardScanSetFlags(grid, board);
    EXPECT_EQ(Flags(grid, 0, 0), ".........");
    EXPECT_EQ(Flags(grid, 8, 0), ".........");
    EXPECT_EQ(Flags(grid, 8, 8), "......7..");
}

TEST(BoardScan, RunningTwiceGivesTheSameGrid) {
    const BoardDigits board = ParseBoard(
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    FlagGrid once;
    BoardScanSetFlags(once, board);
    FlagGrid twice = once;
    BoardScanSetFlags(twice, board);
    EXPECT_EQ(once, twice);
    // Spot check one open cell: (2, 0) sees 5 3 7 in its row, 8 in its
    // column and 6 9 8 in its block.
    EXPECT_EQ(Flags(once, 2, 0), "12.4.....");
}

} // namespace
} // namespace tessra
