#include "board/BoardScan.h"

#include "board/PackedRow.h"

namespace tessra {

namespace {

using packed::Row;

// Where digits repeat, a filled cell keeps its digit only if no cell visited
// after it (column by column, top to bottom) in its row, column or block
// holds the same digit: walk the board backwards, collecting what the later
// cells hold.
void ClearOverriddenCells(FlagGrid& flagArray, const BoardDigits& board) {
    IndexedArray<std::uint32_t, BoardSide> laterInRow{};
    IndexedArray<std::uint32_t, BoardSide> laterInColumn{};
    IndexedArray<std::uint32_t, BoardSide> laterInBlock{};
    for (int visit = CellCount - 1; visit >= 0; --visit) {
        const int x = visit / BoardSide;
        const int y = visit % BoardSide;
        const int cell = IndexOf(x, y);
        const std::uint32_t bit = packed::DigitBit[board[cell]];
        if (bit == 0) {
            continue;
        }
        std::uint32_t& row = laterInRow[y];
        std::uint32_t& column = laterInColumn[x];
        std::uint32_t& block = laterInBlock[BlockOf(cell)];
        if (((row | column | block) & bit) != 0) {
            flagArray[cell] = CandidateString::None();
        }
        row |= bit;
        column |= bit;
        block |= bit;
    }
}

} // namespace

// Two passes over the rows, four cells at a time. The first collects each
// row's digits and ORs them into row, column and block masks; the second
// writes every cell: an open cell what its row, column and block leave, a
// filled cell its own digit alone. That is the result of the cell-by-cell
// removal whenever no digit repeats in a unit; only when one does, the
// cells that a later-visited equal digit empties are mended afterwards.
void BoardScanSetFlags(FlagGrid& flagArray, const BoardDigits& board) {
    // Each row's own digits, read only where rowUsed is not 0. Three arrays
    // rather than one of rows: GCC merges the stores of a whole row into one
    // vector store built through the stack, which then stalls the reload.
    IndexedArray<std::uint64_t, BoardSide> ownLow;
    IndexedArray<std::uint64_t, BoardSide> ownHigh;
    IndexedArray<std::uint32_t, BoardSide> ownLast;
    IndexedArray<std::uint32_t, BoardSide> rowUsed{};
    IndexedArray<Row, 3> blockUsed; // each band's blocks, spread over their columns' lanes
    Row columnUsed{};
    // One-bit masks sum to their OR only when no two are equal: comparing
    // the sum of all digit bits with the sums of the unit masks finds any
    // repeat.
    Row digitSum{};
    std::uint32_t rowUsedSum = 0;
    std::uint32_t blockUsedSum = 0;
    for (int band = 0; band < 3; ++band) {
        Row bandUsed{};
        for (int y = band * 3; y < band * 3 + 3; ++y) {
            // Open rows are common while the user types; skip their lookups.
            if (!packed::RowHasValues(board, y)) {
                continue;
            }
            const Row row = packed::PackRow(board, y);
            const std::uint32_t used = packed::OrOfLanes(row.low | row.high) | row.last;
            ownLow[y] = row.low;
            ownHigh[y] = row.high;
            ownLast[y] = row.last;
            rowUsed[y] = used;
            rowUsedSum += used;
            digitSum.low += row.low;
            digitSum.high += row.high;
            digitSum.last += row.last;
            bandUsed.low |= row.low;
            bandUsed.high |= row.high;
            bandUsed.last |= row.last;
        }
        if ((bandUsed.low | bandUsed.high | bandUsed.last) == 0) {
            blockUsed[band] = Row{};
            continue;
        }
        columnUsed.low |= bandUsed.low;
        columnUsed.high |= bandUsed.high;
        columnUsed.last |= bandUsed.last;
        const auto blocks = packed::BandBlocks(bandUsed);
        blockUsedSum += blocks[0] + blocks[1] + blocks[2];
        // Block 0 covers columns 0-2, block 1 columns 3-5, block 2 columns 6-8.
        blockUsed[band] = {
            blocks[0] * 0x0000'0001'0001'0001ULL | std::uint64_t{blocks[1]} << 48,
            blocks[1] * 0x0000'0000'0001'0001ULL | blocks[2] * 0x0001'0001'0000'0000ULL, blocks[2]};
    }

    const std::uint32_t digitBits =
        packed::SumOfLanes(digitSum.low + digitSum.high) + digitSum.last;
    const std::uint32_t columnUsedSum =
        packed::SumOfLanes(columnUsed.low + columnUsed.high) + columnUsed.last;
    const bool repeats =
        rowUsedSum != digitBits || columnUsedSum != digitBits || blockUsedSum != digitBits;

    for (int band = 0; band < 3; ++band) {
        // What an open cell of a digit-free row of this band keeps.
        const Row& block = blockUsed[band];
        const Row open = {packed::AllDigitLanes ^ (columnUsed.low | block.low),
                          packed::AllDigitLanes ^ (columnUsed.high | block.high),
                          packed::AllDigits ^ (columnUsed.last | block.last)};
        for (int y = band * 3; y < band * 3 + 3; ++y) {
            CandidateString* out = &flagArray[IndexOf(0, y)];
            const std::uint32_t used = rowUsed[y];
            if (used == 0) {
                packed::StoreLanes(out, open.low);
                packed::StoreLanes(out + 4, open.high);
                out[8] = CandidateString::FromMask(static_cast<std::uint16_t>(open.last));
                continue;
            }
            // Open cells lose the row's digits too; filled ones hold their own.
            const std::uint64_t usedLanes = used * packed::LaneOnes;
            const auto cells = [usedLanes](std::uint64_t openCells, std::uint64_t own) {
                return (openCells & ~(usedLanes | packed::OccupiedLanes(own))) | own;
            };
            packed::StoreLanes(out, cells(open.low, ownLow[y]));
            packed::StoreLanes(out + 4, cells(open.high, ownHigh[y]));
            out[8] =
                CandidateString::FromMask(static_cast<std::uint16_t>(cells(open.last, ownLast[y])));
        }
    }

    if (repeats) {
        ClearOverriddenCells(flagArray, board);
    }
}

} // namespace tessra
