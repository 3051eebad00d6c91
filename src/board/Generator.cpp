#include "board/Generator.h"

#include "board/BoardScan.h"
#include "board/DigitString.h"
#include "board/PackedRow.h"

#include <algorithm>
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

namespace {

// A cell with the row, column and block it lies in, worked out once: the
// fill asks for them thousands of times.
struct CellUnits {
    std::uint8_t cell;
    std::uint8_t row;
    std::uint8_t column;
    std::uint8_t block;
};

constexpr std::array<CellUnits, CellCount> UnitsOfCell = [] {
    std::array<CellUnits, CellCount> units{};
    for (int i = 0; i < CellCount; ++i) {
        units[At(i)] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(RowOf(i)),
                        static_cast<std::uint8_t>(ColumnOf(i)),
                        static_cast<std::uint8_t>(BlockOf(i))};
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
    std::array<std::uint32_t, BoardSide> row_{};
    std::array<std::uint32_t, BoardSide> column_{};
    std::array<std::uint32_t, BoardSide> block_{};
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
    std::array<std::uint32_t, 9> allowed{};
    const int origin = BlockOriginOf(cell.column, cell.row);
    for (int c = 0; c < 9; ++c) {
        const int blockCell = origin + IndexOf(c % 3, c / 3);
        if (packed::DigitBit[board[At(blockCell)]] == 0) {
            allowed[At(c)] = units.Free(UnitsOfCell[At(blockCell)]) & candidates;
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
        units.Place(UnitsOfCell[At(x)], packed::DigitBit[topRow[At(x)]]);
    }
    std::array<CellUnits, CellCount - BoardSide> open{};
    int openCount = 0;
    for (int i = BoardSide; i < CellCount; ++i) {
        open[At(openCount++)] = UnitsOfCell[At(i)];
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
            const int count = CountBits(units.Free(open[At(k)]));
            if (count < fewest) {
                chosen = k;
                fewest = count;
            }
        }
        const CellUnits cell = open[At(chosen)];
        const std::uint32_t candidates = units.Free(cell);
        if (candidates == 0) {
            return std::nullopt; // dead end: no digit fits here any more
        }
        const int digit = ChooseDigit(candidates, board, units, cell);
        board[cell.cell] = static_cast<std::uint8_t>(digit);
        units.Place(cell, packed::DigitBit[At(digit)]);
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
            units_.Place(UnitsOfCell[At(i)], packed::DigitBit[board_[At(i)]]);
            if (board_[At(i)] == 0) {
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
        for (std::size_t w = 0; w < open_.size() && bestCount > 1; ++w) {
            for (std::uint64_t bits = open_[w]; bits != 0 && bestCount > 1; bits &= bits - 1) {
                const int i = static_cast<int>(w * 64) + std::countr_zero(bits);
                const std::uint32_t mask = units_.Free(UnitsOfCell[At(i)]);
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
            board_[At(best)] = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
            units_.Place(UnitsOfCell[At(best)], bit);
            if (Solve()) {
                return true;
            }
            units_.Remove(UnitsOfCell[At(best)], bit);
        }
        board_[At(best)] = 0;
        SetOpen(best, true);
        return false;
    }

    const BoardDigits& Board() const { return board_; }

  private:
    void SetOpen(int cell, bool open) {
        const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
        std::uint64_t& word = open_[At(cell / 64)];
        word = open ? word | bit : word & ~bit;
    }

    BoardDigits board_;
    UnitDigits units_;
    std::array<std::uint64_t, 2> open_{}; // bit i % 64 of word i / 64: cell i is open
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
