#include "board/Generator.h"

#include "board/BoardScan.h"
#include "board/DigitString.h"
#include "board/PackedRow.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tessra {

namespace {

BoardDigits BoardWithTopRow(const TopRow& topRow) {
    BoardDigits board{};
    for (int x = 0; x < BoardSide; ++x) {
        board[x] = topRow[x];
    }
    return board;
}

} // namespace

void CountPossibleDigits3x3Block(const FlagGrid& flags, NineFlags& nineFlags, int flagIndex) {
    const int topLeft = BlockOriginOf(flagIndex);
    nineFlags.fill(0);
    for (int row = 0; row < BlockSide; ++row) {
        for (int column = 0; column < BlockSide; ++column) {
            const CandidateString cell = flags[topLeft + IndexOf(column, row)];
            for (int d = 1; d <= 9; ++d) {
                if (cell.Has(d)) {
                    ++nineFlags[d];
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
        const std::string digit = Random1to9Str(flags[k].ToString(), random);
        // The row never runs out of digits, so a digit always comes back.
        board[k] = static_cast<std::uint8_t>(digit.empty() ? 0 : digit[0] - '0');
        topRow[k] = board[k];
    }
    return topRow;
}

namespace {

// A cell with the row, column and block it lies in, worked out once: the
// fill asks for them thousands of times.
struct CellUnits {
    std::uint8_t cell;
    std::uint8_t row;
    std::uint8_t column;
    std::uint8_t block;
};

constexpr CellArray<CellUnits> UnitsOfCell = [] {
    CellArray<CellUnits> units{};
    for (int i = 0; i < CellCount; ++i) {
        units[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(RowOf(i)),
                    static_cast<std::uint8_t>(ColumnOf(i)), static_cast<std::uint8_t>(BlockOf(i))};
    }
    return units;
}();

// The digits standing in each row, column and block, as candidate masks.
// On a board where no digit repeats in a unit - the only boards the fill
// and the completion make - an open cell's candidate string after a full
// scan is exactly the digits that none of its three units holds, so these
// masks give what rescanning the board after every digit would.
class UnitDigits {
  public:
    void Place(CellUnits at, std::uint32_t bit) {
        row_[at.row] |= bit;
        column_[at.column] |= bit;
        block_[at.block] |= bit;
    }
    void Remove(CellUnits at, std::uint32_t bit) {
        row_[at.row] &= ~bit;
        column_[at.column] &= ~bit;
        block_[at.block] &= ~bit;
    }
    // The candidates of an open cell.
    std::uint32_t Free(CellUnits at) const {
        return packed::AllDigits & ~(row_[at.row] | column_[at.column] | block_[at.block]);
    }

  private:
    IndexedArray<std::uint32_t, BoardSide> row_{};
    IndexedArray<std::uint32_t, BoardSide> column_{};
    IndexedArray<std::uint32_t, BoardSide> block_{};
};

int CountBits(std::uint32_t mask) {
    return CandidateString::FromMask(static_cast<std::uint16_t>(mask)).Count();
}

// The digit the fill puts into an open cell with these candidates (at least
// one): the candidate with the fewest places left in the cell's block; on a
// tie the highest candidate if it is among the fewest, otherwise the lowest
// of them. That is what the NineFlags counts and the two digit loops of the
// rescanning fill decide. A place is an open block cell that allows the
// digit: a filled cell allows only its own digit, which its block already
// holds, so that is never a candidate here.
int ChooseDigit(std::uint32_t candidates, const BoardDigits& board, const UnitDigits& units,
                CellUnits cell) {
    const auto highest = static_cast<int>(std::bit_width(candidates));
    if ((candidates & (candidates - 1)) == 0) {
        return highest; // the only candidate
    }
    IndexedArray<std::uint32_t, BlockSide * BlockSide> allowed{};
    const int origin = BlockOriginOf(cell.cell);
    for (int c = 0; c < BlockSide * BlockSide; ++c) {
        const int blockCell = origin + IndexOf(c % BlockSide, c / BlockSide);
        if (packed::DigitBit[board[blockCell]] == 0) {
            allowed[c] = units.Free(UnitsOfCell[blockCell]) & candidates;
        }
    }
    int fewestDigit = 0;
    int fewest = 10;
    int highestPlaces = 0;
    for (std::uint32_t rest = candidates; rest != 0; rest &= rest - 1) {
        const std::uint32_t bit = rest & (~rest + 1);
        int places = 0;
        for (const std::uint32_t cellAllows : allowed) {
            places += (cellAllows & bit) != 0 ? 1 : 0;
        }
        if (places < fewest) {
            fewestDigit = std::countr_zero(rest) + 1;
            fewest = places;
        }
        highestPlaces = places; // the last candidate is the highest
    }
    return highestPlaces == fewest ? highest : fewestDigit;
}

} // namespace

// Keeps the open cells in index order and the unit masks up to date instead
// of rescanning and recounting all 81 cells after every digit; the choices
// are those of the rescanning fill (see UnitDigits).
std::optional<BoardDigits> GreedyFill(const TopRow& topRow) {
    BoardDigits board = BoardWithTopRow(topRow);
    UnitDigits units;
    for (int x = 0; x < BoardSide; ++x) {
        units.Place(UnitsOfCell[x], packed::DigitBit[topRow[x]]);
    }
    IndexedArray<CellUnits, CellCount - BoardSide> open{};
    int openCount = 0;
    for (int i = BoardSide; i < CellCount; ++i) {
        open[openCount++] = UnitsOfCell[i];
    }
    // Each pass fills one open cell; once none is open the board is done.
    while (openCount > 0) {
        // The open cell with the fewest candidates, the lowest index on a tie.
        // The search may stop at the first cell with one: if a later cell has
        // none, filling this one first cannot save the fill from the dead end
        // that cell holds, and a dead end is all the fill reports then.
        int chosen = 0;
        int fewest = 10;
        for (int k = 0; k < openCount && fewest > 1; ++k) {
            const int count = CountBits(units.Free(open[k]));
            if (count < fewest) {
                chosen = k;
                fewest = count;
            }
        }
        const CellUnits cell = open[chosen];
        const std::uint32_t candidates = units.Free(cell);
        if (candidates == 0) {
            return std::nullopt; // dead end: no digit fits here any more
        }
        const int digit = ChooseDigit(candidates, board, units, cell);
        board[cell.cell] = static_cast<std::uint8_t>(digit);
        units.Place(cell, packed::DigitBit[digit]);
        std::copy(open.begin() + chosen + 1, open.begin() + openCount, open.begin() + chosen);
        --openCount;
    }
    return board;
}

namespace {

// Depth-first search over digit masks (bit d-1 = digit d).
class Completer {
  public:
    explicit Completer(const BoardDigits& board) : board_(board) {
        for (int i = 0; i < CellCount; ++i) {
            units_.Place(UnitsOfCell[i], packed::DigitBit[board_[i]]);
            if (board_[i] == 0) {
                SetOpen(i, true);
            }
        }
    }

    // Fills the open cell with the fewest candidates (the lowest index on a
    // tie) with each of its candidates in ascending order, depth first,
    // until the board is full.
    bool Solve() {
        int best = -1;
        int bestCount = 10;
        std::uint32_t bestMask = 0;
        // The search may stop at the first cell with one candidate: if a
        // later one has none, this branch fails just as surely.
        for (int w = 0; w < OpenWords && bestCount > 1; ++w) {
            for (std::uint64_t bits = open_[w]; bits != 0 && bestCount > 1; bits &= bits - 1) {
                const int i = w * 64 + std::countr_zero(bits);
                const std::uint32_t mask = units_.Free(UnitsOfCell[i]);
                const int count = CountBits(mask);
                if (count < bestCount) {
                    best = i;
                    bestCount = count;
                    bestMask = mask;
                }
            }
        }
        if (best < 0) {
            return true;
        }
        SetOpen(best, false);
        for (std::uint32_t rest = bestMask; rest != 0; rest &= rest - 1) {
            const std::uint32_t bit = rest & (~rest + 1);
            board_[best] = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
            units_.Place(UnitsOfCell[best], bit);
            if (Solve()) {
                return true;
            }
            units_.Remove(UnitsOfCell[best], bit);
        }
        board_[best] = 0;
        SetOpen(best, true);
        return false;
    }

    const BoardDigits& Board() const { return board_; }

  private:
    void SetOpen(int cell, bool open) {
        const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
        std::uint64_t& word = open_[cell / 64];
        word = open ? word | bit : word & ~bit;
    }

    BoardDigits board_;
    UnitDigits units_;
    static constexpr int OpenWords = 2;
    IndexedArray<std::uint64_t, OpenWords> open_{}; // bit i % 64 of word i / 64: cell i is open
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
    CellArray<std::int16_t> order{};
    for (int i = 0; i < CellCount; ++i) {
        order[i] = static_cast<std::int16_t>(i);
    }
    for (int k = 0; k < CellCount; ++k) {
        const float r1 = random.Draw();
        const float r2 = random.Draw();
        const auto a = static_cast<int>(std::floor(double{r1} * CellCount));
        const auto b = static_cast<int>(std::floor(double{r2} * CellCount));
        std::swap(order[a], order[b]);
    }
    for (int j = 0; j < cells2Keep && j < CellCount; ++j) {
        order[j] = -1;
    }
    for (const std::int16_t cell : order) {
        if (cell >= 0) {
            board[cell] = 0;
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
