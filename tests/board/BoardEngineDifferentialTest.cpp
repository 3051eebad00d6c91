// The scan and the check against plain references written the way their
// rules read, on random boards: holes, conflicts, values that are no digit,
// and every number of digits from none to a full board. The quick suite
// runs a few thousand boards; the slow one millions
// (TESSRA_DIFFERENTIAL_BOARDS).

#include "board/BoardScan.h"
#include "board/Check.h"
#include "board/Generator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>

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
            const int v = board[IndexOf(x, y)];
            if (v >= 1 && v <= 9) {
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

// Every row, column and block counts each digit 1..9 exactly once.
bool ReferenceCheck(const BoardDigits& board) {
    for (int u = 0; u < BoardSide; ++u) {
        IndexedArray<int, 10> row{}, column{}, block{};
        for (int k = 0; k < BoardSide; ++k) {
            const auto count = [&board](IndexedArray<int, 10>& counts, int cell) {
                const int v = board[cell];
                ++counts[v >= 1 && v <= 9 ? v : 0];
            };
            count(row, IndexOf(k, u));
            count(column, IndexOf(u, k));
            count(block, IndexOf(u % 3 * 3 + k % 3, u / 3 * 3 + k / 3));
        }
        for (const auto* counts : {&row, &column, &block}) {
            if (std::count(counts->begin() + 1, counts->end(), 1) != 9) {
                return false;
            }
        }
    }
    return true;
}

class RandomBoards {
  public:
    RandomBoards() {
        // A few solutions to start from: the fills of random top rows.
        for (BoardDigits& solution : solutions_) {
            TopRow row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(row.begin(), row.end(), engine_);
            solution = FillFromTopRow(row);
        }
    }

    BoardDigits Next() {
        const int kind = Below(4);
        if (kind < 2) { // digits anywhere (conflicts as soon as a few stand), or any value
            BoardDigits board{};
            for (int k = Below(CellCount + 1); k > 0; --k) {
                board[Below(CellCount)] =
                    static_cast<std::uint8_t>(kind == 0 ? 1 + Below(9) : Below(256));
            }
            return board;
        }
        // A solution, relabelled and sometimes mirrored on the diagonal.
        const BoardDigits& base = solutions_[Below(static_cast<int>(solutions_.size()))];
        IndexedArray<std::uint8_t, 10> label{};
        std::iota(label.begin() + 1, label.end(), std::uint8_t{1});
        std::shuffle(label.begin() + 1, label.end(), engine_);
        const bool mirrored = Below(2) == 0;
        BoardDigits board{};
        for (int i = 0; i < CellCount; ++i) {
            board[i] = label[base[mirrored ? IndexOf(RowOf(i), ColumnOf(i)) : i]];
        }
        if (kind == 2) { // with holes: no conflict, any digit count
            for (int k = Below(CellCount + 1); k > 0; --k) {
                board[Below(CellCount)] = 0;
            }
        } else { // with up to three changes
            for (int changes = Below(4); changes > 0; --changes) {
                Change(board);
            }
        }
        return board;
    }

  private:
    // One change to a solved board. Besides a cell set to any value, the
    // exchanges each leave some kinds of unit complete, so that a check
    // that skips a kind of unit is caught: two cells of a row within a
    // block (only columns break), of a column within a block (only rows
    // break), two whole rows or columns (only blocks break, if any).
    void Change(BoardDigits& board) {
        const int line = Below(BoardSide);
        const int first = Below(BoardSide);
        const int second = Below(BoardSide);
        const int inBlock =
            first / 3 * 3 + (first + 1 + Below(2)) % 3; // another place of its block
        const auto swap = [&board](int a, int b) { std::swap(board[a], board[b]); };
        switch (Below(5)) {
        case 0:
            board[Below(CellCount)] =
                static_cast<std::uint8_t>(Below(2) == 0 ? Below(10) : Below(256));
            break;
        case 1:
            swap(IndexOf(first, line), IndexOf(inBlock, line));
            break;
        case 2:
            swap(IndexOf(line, first), IndexOf(line, inBlock));
            break;
        default: { // two whole rows, or two whole columns
            const bool rows = Below(2) == 0;
            for (int k = 0; k < BoardSide; ++k) {
                swap(rows ? IndexOf(k, first) : IndexOf(first, k),
                     rows ? IndexOf(k, second) : IndexOf(second, k));
            }
            break;
        }
        }
    }

    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }

    std::mt19937_64 engine_{20240613};
    std::array<BoardDigits, 16> solutions_{};
};

// The board as nine lines of cell values, for a failure message.
std::string Text(const BoardDigits& board) {
    std::string text;
    for (int i = 0; i < CellCount; ++i) {
        text += std::to_string(board[i]) + (ColumnOf(i) == BoardSide - 1 ? '\n' : ' ');
    }
    return text;
}

TEST(BoardEngineDifferential, ScanAndCheckAgreeWithTheReferencesOnRandomBoards) {
    RandomBoards boards;
    int correct = 0;
    for (int n = 0; n < TESSRA_DIFFERENTIAL_BOARDS; ++n) {
        const BoardDigits board = boards.Next();
        FlagGrid flags;
        flags.fill(CandidateString::None());
        BoardScanSetFlags(flags, board);
        ASSERT_EQ(flags, ReferenceScan(board)) << "board " << n << ":\n" << Text(board);
        const bool verdict = ReferenceCheck(board);
        ASSERT_EQ(CheckPuzzle(board), verdict) << "board " << n << ":\n" << Text(board);
        correct += verdict ? 1 : 0;
    }
    // Both verdicts come up often enough to matter.
    EXPECT_GT(correct, TESSRA_DIFFERENTIAL_BOARDS / 20);
    EXPECT_LT(correct, TESSRA_DIFFERENTIAL_BOARDS / 2);
}

} // namespace
} // namespace tessra
