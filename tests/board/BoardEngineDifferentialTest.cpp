// The scan and the check against plain references written the way their
// rules read, on millions of random boards: holes, conflicts, values that
// are no digit, and every number of digits from none to a full board.

#include "board/BoardScan.h"
#include "board/Check.h"
#include "support/TestBoards.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>

namespace tessra {
namespace {

// Column by column, each placed digit leaves its row, column and block
// through single-flag writes; then its own cell holds it alone.
FlagGrid ReferenceScan(const BoardDigits& board) {
    FlagGrid grid;
    grid.fill(CandidateString::All());
    for (int x = 0; x < BoardSide; ++x) {
        for (int y = 0; y < BoardSide; ++y) {
            const int v = board[static_cast<std::size_t>(IndexOf(x, y))];
            if (v < 1 || v > 9) {
                continue;
            }
            SetGridFlagRow(grid, y, v, false);
            SetGridFlagCol(grid, x, v, false);
            SetGridFlag3x3(grid, x, y, v, false);
            ClearFlagGrid(grid, x, y);
            SetFlagGrid(grid, x, y, v, true);
        }
    }
    return grid;
}

// Every row, column and block counts each digit 1..9 exactly once.
bool ReferenceCheck(const BoardDigits& board) {
    const auto unitIsComplete = [&](auto cellOf) {
        std::array<int, 10> counts{};
        for (int k = 0; k < BoardSide; ++k) {
            const int v = board[static_cast<std::size_t>(cellOf(k))];
            ++counts[static_cast<std::size_t>(v >= 1 && v <= 9 ? v : 0)];
        }
        return std::all_of(counts.begin() + 1, counts.end(), [](int n) { return n == 1; });
    };
    for (int u = 0; u < BoardSide; ++u) {
        const int origin = IndexOf(u % 3 * 3, u / 3 * 3);
        if (!unitIsComplete([&](int k) { return IndexOf(u, k); }) ||
            !unitIsComplete([&](int k) { return IndexOf(k, u); }) ||
            !unitIsComplete([&](int k) { return origin + IndexOf(k % 3, k / 3); })) {
            return false;
        }
    }
    return true;
}

class RandomBoards {
  public:
    BoardDigits Next() {
        switch (Below(4)) {
        case 0: // digits anywhere: conflicts as soon as a few stand
            return Scatter([&] { return static_cast<std::uint8_t>(1 + Below(9)); });
        case 1: // any cell value, most of them no digit at all
            return Scatter([&] { return static_cast<std::uint8_t>(Below(256)); });
        case 2: { // a solution with holes: no conflict, any digit count
            BoardDigits board = Solution();
            std::array<int, CellCount> cells = Shuffled();
            const int holes = Below(CellCount + 1);
            for (int k = 0; k < holes; ++k) {
                board[static_cast<std::size_t>(cells[static_cast<std::size_t>(k)])] = 0;
            }
            return board;
        }
        default: { // a solution with up to three changes
            BoardDigits board = Solution();
            for (int changes = Below(4); changes > 0; --changes) {
                Change(board);
            }
            return board;
        }
        }
    }

  private:
    // One change to a solved board. Besides a cell set to any value, the
    // exchanges each leave some kinds of unit complete, so that a check
    // that skips a kind of unit is caught: two cells of a row within a
    // block (only columns break), of a column within a block (only rows
    // break), two whole rows or columns (only blocks break, if any).
    void Change(BoardDigits& board) {
        const auto swap = [&](int a, int b) {
            std::swap(board[static_cast<std::size_t>(a)], board[static_cast<std::size_t>(b)]);
        };
        const int line = Below(BoardSide);
        const int first = Below(BoardSide);
        const int second = Below(BoardSide);
        const int inBlock =
            first / 3 * 3 + (first + 1 + Below(2)) % 3; // another place of its block
        switch (Below(5)) {
        case 0:
            board[static_cast<std::size_t>(Below(CellCount))] =
                static_cast<std::uint8_t>(Below(2) == 0 ? Below(10) : Below(256));
            break;
        case 1:
            swap(IndexOf(first, line), IndexOf(inBlock, line));
            break;
        case 2:
            swap(IndexOf(line, first), IndexOf(line, inBlock));
            break;
        case 3:
            for (int x = 0; x < BoardSide; ++x) {
                swap(IndexOf(x, first), IndexOf(x, second));
            }
            break;
        default:
            for (int y = 0; y < BoardSide; ++y) {
                swap(IndexOf(first, y), IndexOf(second, y));
            }
            break;
        }
    }

    int Below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }

    std::array<int, CellCount> Shuffled() {
        std::array<int, CellCount> cells{};
        std::iota(cells.begin(), cells.end(), 0);
        std::shuffle(cells.begin(), cells.end(), engine_);
        return cells;
    }

    // A random number of random cells, each given value().
    template <typename Value> BoardDigits Scatter(Value value) {
        BoardDigits board{};
        const std::array<int, CellCount> cells = Shuffled();
        const int filled = Below(CellCount + 1);
        for (int k = 0; k < filled; ++k) {
            board[static_cast<std::size_t>(cells[static_cast<std::size_t>(k)])] = value();
        }
        return board;
    }

    // A solved board: one known solution with its digits relabelled, bands
    // and rows within bands, stacks and columns within stacks reordered,
    // and sometimes mirrored on the diagonal.
    BoardDigits Solution() {
        const BoardDigits base = test::ParseBoard(test::SolvedBoard);
        std::array<std::uint8_t, 10> label{};
        std::iota(label.begin() + 1, label.end(), std::uint8_t{1});
        std::shuffle(label.begin() + 1, label.end(), engine_);
        const auto lines = [&] {
            std::array<int, 3> groups = {0, 1, 2};
            std::shuffle(groups.begin(), groups.end(), engine_);
            std::array<int, BoardSide> order{};
            for (int g = 0; g < 3; ++g) {
                std::array<int, 3> within = {0, 1, 2};
                std::shuffle(within.begin(), within.end(), engine_);
                for (int k = 0; k < 3; ++k) {
                    order[static_cast<std::size_t>(g * 3 + k)] =
                        groups[static_cast<std::size_t>(g)] * 3 +
                        within[static_cast<std::size_t>(k)];
                }
            }
            return order;
        };
        const std::array<int, BoardSide> rows = lines();
        const std::array<int, BoardSide> columns = lines();
        const bool mirrored = Below(2) == 0;
        BoardDigits board{};
        for (int y = 0; y < BoardSide; ++y) {
            for (int x = 0; x < BoardSide; ++x) {
                const int from = mirrored ? IndexOf(rows[static_cast<std::size_t>(y)],
                                                    columns[static_cast<std::size_t>(x)])
                                          : IndexOf(columns[static_cast<std::size_t>(x)],
                                                    rows[static_cast<std::size_t>(y)]);
                board[static_cast<std::size_t>(IndexOf(x, y))] =
                    label[base[static_cast<std::size_t>(from)]];
            }
        }
        return board;
    }

    std::mt19937_64 engine_{20240613};
};

// The board as nine lines of cell values, for a failure message.
std::string Text(const BoardDigits& board) {
    std::string text;
    for (int i = 0; i < CellCount; ++i) {
        text += std::to_string(board[static_cast<std::size_t>(i)]);
        text += ColumnOf(i) == BoardSide - 1 ? '\n' : ' ';
    }
    return text;
}

TEST(BoardEngineDifferential, ScanAndCheckAgreeWithTheReferencesOnRandomBoards) {
    RandomBoards boards;
    int correct = 0;
    for (int n = 0; n < 2'000'000; ++n) {
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
    EXPECT_GT(correct, 100'000);
    EXPECT_LT(correct, 1'000'000);
}

} // namespace
} // namespace tessra
