// The scan and the check against plain references written the way their
// rules read, on random boards: holes, conflicts, values that are no digit,
// every digit count. The quick suite runs a few thousand boards, the slow
// one millions (TESSRA_DIFFERENTIAL_BOARDS); board n is the same every run.

#include "board/BoardScan.h"
#include "board/Check.h"
#include "board/Generator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>

#ifndef TESSRA_DIFFERENTIAL_BOARDS
#define TESSRA_DIFFERENTIAL_BOARDS 20000
#endif

namespace tessra {
namespace {

// Column by column, each placed digit leaves its row, column and block
// through single-flag writes; then its own cell holds it alone.
FlagGrid ReferenceScan(const BoardDigits& board) {
    FlagGrid grid;
    for (int x = 0; x < BoardSide; ++x) {
        for (int y = 0; y < BoardSide; ++y) {
            if (const int v = board[IndexOf(x, y)]; v >= 1 && v <= 9) {
                SetGridFlagRow(grid, y, v, false);
                SetGridFlagCol(grid, x, v, false);
                SetGridFlag3x3(grid, x, y, v, false);
                ClearFlagGrid(grid, x, y);
                SetFlagGrid(grid, x, y, v, true);
            }
        }
    }
    return grid;
}

// Every row, column and block holds each digit 1..9 exactly once.
bool ReferenceCheck(const BoardDigits& board) {
    const std::set<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int u = 0; u < BoardSide; ++u) {
        std::set<int> row, column, block;
        for (int k = 0; k < BoardSide; ++k) {
            row.insert(board[IndexOf(k, u)]);
            column.insert(board[IndexOf(u, k)]);
            block.insert(board[IndexOf(u % 3 * 3 + k % 3, u / 3 * 3 + k / 3)]);
        }
        if (row != digits || column != digits || block != digits) {
            return false;
        }
    }
    return true;
}

class RandomBoards {
  public:
    RandomBoards() {
        for (BoardDigits& solution : solutions_) { // the fills of random top rows
            TopRow row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(row.begin(), row.end(), engine_);
            solution = FillFromTopRow(row);
        }
    }

    BoardDigits Next() {
        const int kind = Below(4);
        BoardDigits board{};
        if (kind < 2) { // digits anywhere, conflicts as soon as a few stand; or any value
            for (int k = Below(CellCount + 1); k > 0; --k) {
                board[Below(CellCount)] = std::uint8_t(kind == 0 ? 1 + Below(9) : Below(256));
            }
            return board;
        }
        // A solution, relabelled and sometimes mirrored on the diagonal...
        const BoardDigits& base = solutions_[Below(int(solutions_.size()))];
        IndexedArray<std::uint8_t, 10> label{};
        std::iota(label.begin() + 1, label.end(), std::uint8_t{1});
        std::shuffle(label.begin() + 1, label.end(), engine_);
        const bool mirrored = Below(2) == 0;
        for (int i = 0; i < CellCount; ++i) {
            board[i] = label[base[mirrored ? IndexOf(RowOf(i), ColumnOf(i)) : i]];
        }
        for (int k = kind == 2 ? Below(CellCount + 1) : 0; k > 0; --k) {
            board[Below(CellCount)] = 0; // ...with holes: no conflict, any digit count
        }
        for (int k = kind == 3 ? Below(4) : 0; k > 0; --k) {
            Change(board); // ...or with up to three changes
        }
        return board;
    }

  private:
    // Besides a cell set to any value, each exchange leaves some kinds of
    // unit complete, so that a check skipping a kind of unit is caught:
    // two cells of a row within a block (only columns break), of a column
    // within a block (only rows break), two whole rows or columns (only
    // blocks break, if any).
    void Change(BoardDigits& board) {
        const int line = Below(BoardSide), first = Below(BoardSide), second = Below(BoardSide);
        const int inBlock = first / 3 * 3 + (first + 1 + Below(2)) % 3;
        const auto swap = [&board](int a, int b) { std::swap(board[a], board[b]); };
        const int how = Below(5);
        if (how == 0) {
            board[Below(CellCount)] = std::uint8_t(Below(2) == 0 ? Below(10) : Below(256));
        } else if (how == 1) {
            swap(IndexOf(first, line), IndexOf(inBlock, line));
        } else if (how == 2) {
            swap(IndexOf(line, first), IndexOf(line, inBlock));
        } else {
            for (int k = 0; k < BoardSide; ++k) {
                how == 3 ? swap(IndexOf(k, first), IndexOf(k, second))
                         : swap(IndexOf(first, k), IndexOf(second, k));
            }
        }
    }

    int Below(int n) { return int(engine_() % unsigned(n)); }

    std::mt19937_64 engine_{20240613};
    std::array<BoardDigits, 16> solutions_{};
};

TEST(BoardEngineDifferential, ScanAndCheckAgreeWithTheReferencesOnRandomBoards) {
    RandomBoards boards;
    int correct = 0;
    for (int n = 0; n < TESSRA_DIFFERENTIAL_BOARDS; ++n) {
        const BoardDigits board = boards.Next();
        FlagGrid flags;
        flags.fill(CandidateString::None());
        BoardScanSetFlags(flags, board);
        ASSERT_EQ(flags, ReferenceScan(board)) << "board " << n;
        const bool verdict = ReferenceCheck(board);
        ASSERT_EQ(CheckPuzzle(board), verdict) << "board " << n;
        correct += verdict ? 1 : 0;
    }
    // Both verdicts come up often enough to matter.
    EXPECT_GT(correct, TESSRA_DIFFERENTIAL_BOARDS / 20);
    EXPECT_LT(correct, TESSRA_DIFFERENTIAL_BOARDS / 2);
}

} // namespace
} // namespace tessra
