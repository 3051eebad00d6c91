#include "board/Generator.h"

#include "board/BoardScan.h"
#include "board/DigitString.h"

#include <bit>
#include <cmath>

namespace tessra {

namespace {

constexpr std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

BoardDigits BoardWithTopRow(const TopRow& topRow) {
    BoardDigits board{};
    for (int x = 0; x < BoardSide; ++x) {
        board[At(x)] = topRow[At(x)];
    }
    return board;
}

} // namespace

void CountPossibleDigits3x3Block(const FlagGrid& flags, NineFlags& nineFlags, int flagIndex) {
    const int column = flagIndex % 9;
    const int row = (flagIndex - column) / 9;
    const int topLeft = (row - row % 3) * 9 + (column - column % 3);
    nineFlags.fill(0);
    for (int s = topLeft; s <= topLeft + 18; s += 9) {
        for (int c = s; c < s + 3; ++c) {
            for (int d = 1; d <= 9; ++d) {
                if (flags[At(c)].Has(d)) {
                    ++nineFlags[At(d)];
                }
            }
        }
    }
}

TopRow DrawTopRow(RandomSource& random) {
    BoardDigits board{};
    FlagGrid flags;
    TopRow topRow{};
    for (int k = 0; k < BoardSide; ++k) {
        BoardScanSetFlags(flags, board);
        const std::string digit = Random1to9Str(flags[At(k)].ToString(), random);
        // The row never runs out of digits, so a digit always comes back.
        board[At(k)] = static_cast<std::uint8_t>(digit.empty() ? 0 : digit[0] - '0');
        topRow[At(k)] = board[At(k)];
    }
    return topRow;
}

std::optional<BoardDigits> GreedyFill(const TopRow& topRow) {
    BoardDigits board = BoardWithTopRow(topRow);
    FlagGrid flags;
    BoardScanSetFlags(flags, board);
    std::array<int, CellCount> counts{};
    NineFlags nineFlags{};
    int chosenCell = 0;
    int chosenDigit = 0;
    // Each pass fills one open cell; once none is open the board is done.
    for (;;) {
        for (int i = 0; i < CellCount; ++i) {
            counts[At(i)] = CountFlagBits(flags[At(i)]);
        }
        int firstOpen = -1;
        for (int i = BoardSide; i < CellCount && firstOpen < 0; ++i) {
            if (board[At(i)] == 0) {
                firstOpen = i;
            }
        }
        if (firstOpen < 0) {
            return board;
        }
        chosenCell = firstOpen;
        for (int i = BoardSide; i < CellCount; ++i) {
            if (board[At(i)] == 0 && counts[At(i)] < counts[At(chosenCell)]) {
                chosenCell = i;
            }
        }
        CountPossibleDigits3x3Block(flags, nineFlags, chosenCell);
        const CandidateString candidates = flags[At(chosenCell)];
        if (candidates.Count() == 0) {
            return std::nullopt; // dead end: no digit fits here any more
        }
        for (int d = 1; d <= 9; ++d) {
            if (!candidates.Has(d)) {
                nineFlags[At(d)] = 9;
            } else {
                chosenDigit = d;
            }
        }
        for (int d = 1; d <= 9; ++d) {
            if (nineFlags[At(d)] < nineFlags[At(chosenDigit)]) {
                chosenDigit = d;
            }
        }
        board[At(chosenCell)] = static_cast<std::uint8_t>(chosenDigit);
        BoardScanSetFlags(flags, board);
    }
}

namespace {

// Depth-first search over digit masks (bit d-1 = digit d).
class Completer {
  public:
    explicit Completer(const BoardDigits& board) : board_(board) {
        for (int i = 0; i < CellCount; ++i) {
            if (board_[At(i)] != 0) {
                Place(i, board_[At(i)]);
            }
        }
    }

    bool Solve() {
        int best = -1;
        int bestCount = 10;
        std::uint16_t bestMask = 0;
        for (int i = 0; i < CellCount; ++i) {
            if (board_[At(i)] != 0) {
                continue;
            }
            const std::uint16_t mask = Free(i);
            const int count = std::popcount(mask);
            if (count < bestCount) {
                best = i;
                bestCount = count;
                bestMask = mask;
                if (count == 0) {
                    return false;
                }
            }
        }
        if (best < 0) {
            return true;
        }
        for (int d = 1; d <= 9; ++d) {
            if ((bestMask >> (d - 1)) & 1U) {
                Place(best, d);
                if (Solve()) {
                    return true;
                }
                Remove(best, d);
            }
        }
        return false;
    }

    const BoardDigits& Board() const { return board_; }

  private:
    static int BoxOf(int i) { return (RowOf(i) / 3) * 3 + ColumnOf(i) / 3; }

    std::uint16_t Free(int i) const {
        const auto used = static_cast<std::uint16_t>(rows_[At(RowOf(i))] | cols_[At(ColumnOf(i))] |
                                                     boxes_[At(BoxOf(i))]);
        return static_cast<std::uint16_t>(~used & 0x1FF);
    }
    void Place(int i, int d) {
        const auto bit = static_cast<std::uint16_t>(1U << (d - 1));
        board_[At(i)] = static_cast<std::uint8_t>(d);
        rows_[At(RowOf(i))] |= bit;
        cols_[At(ColumnOf(i))] |= bit;
        boxes_[At(BoxOf(i))] |= bit;
    }
    void Remove(int i, int d) {
        const auto keep = static_cast<std::uint16_t>(~(1U << (d - 1)));
        board_[At(i)] = 0;
        rows_[At(RowOf(i))] &= keep;
        cols_[At(ColumnOf(i))] &= keep;
        boxes_[At(BoxOf(i))] &= keep;
    }

    BoardDigits board_;
    std::array<std::uint16_t, 9> rows_{};
    std::array<std::uint16_t, 9> cols_{};
    std::array<std::uint16_t, 9> boxes_{};
};

} // namespace

BoardDigits CompleteByBacktracking(const TopRow& topRow) {
    Completer completer(BoardWithTopRow(topRow));
    completer.Solve();
    return completer.Board();
}

BoardDigits FillFromTopRow(const TopRow& topRow) {
    if (auto greedy = GreedyFill(topRow)) {
        return *greedy;
    }
    return CompleteByBacktracking(topRow);
}

void RandomCellClear(BoardDigits& board, int cells2Keep, RandomSource& random) {
    std::array<std::int16_t, CellCount> order{};
    for (int i = 0; i < CellCount; ++i) {
        order[At(i)] = static_cast<std::int16_t>(i);
    }
    for (int k = 0; k < CellCount; ++k) {
        const float r1 = random.Draw();
        const float r2 = random.Draw();
        const auto a = static_cast<std::size_t>(std::floor(double{r1} * CellCount));
        const auto b = static_cast<std::size_t>(std::floor(double{r2} * CellCount));
        std::swap(order[a], order[b]);
    }
    for (int j = 0; j < cells2Keep && j < CellCount; ++j) {
        order[At(j)] = -1;
    }
    for (const std::int16_t cell : order) {
        if (cell >= 0) {
            board[At(cell)] = 0;
        }
    }
}

GeneratedPuzzle GeneratePuzzle(int cells2Keep, RandomSource& random) {
    GeneratedPuzzle result;
    result.solution = FillFromTopRow(DrawTopRow(random));
    result.puzzle = result.solution;
    RandomCellClear(result.puzzle, cells2Keep, random);
    return result;
}

} // namespace tessra
