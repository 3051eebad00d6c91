#include "board/Check.h"

#include "board/PackedRow.h"

namespace tessra {

namespace {

// The sum of the lanes of word (each at most 0x7FF, so no lane carries):
// multiplying by 1 in every lane adds all lanes into the top one.
std::uint32_t LaneTotal(std::uint64_t word) {
    return static_cast<std::uint32_t>((word * packed::LaneOnes) >> 48);
}

} // namespace

// Nine cells hold each digit 1..9 exactly once exactly when their one-bit
// digit masks add up to 0x1FF: an open cell adds nothing, and 0x1FF cannot
// be made of fewer than nine powers of two, nor of nine with one repeated.
// Sums add across rows, so rows, columns and blocks all come from one pass
// over the rows, four cells per addition. Every unit is looked at, so the
// time does not depend on the board.
bool CheckPuzzle(const BoardDigits& board) {
    bool complete = true;
    packed::Row columns{};
    for (int band = 0; band < 3; ++band) {
        packed::Row bandSum{};
        for (int y = band * 3; y < band * 3 + 3; ++y) {
            const packed::Row row = packed::PackRow(board, y);
            complete &= LaneTotal(row.low + row.high) + row.last == packed::AllDigits;
            bandSum.low += row.low;
            bandSum.high += row.high;
            bandSum.last += row.last;
        }
        // Block 0 covers columns 0-2, block 1 columns 3-5, block 2 columns 6-8.
        complete &= LaneTotal(bandSum.low & 0x0000'FFFF'FFFF'FFFFULL) == packed::AllDigits;
        complete &=
            LaneTotal((bandSum.low >> 48) + (bandSum.high & 0xFFFF'FFFFULL)) == packed::AllDigits;
        complete &= LaneTotal(bandSum.high >> 32) + bandSum.last == packed::AllDigits;
        columns.low += bandSum.low;
        columns.high += bandSum.high;
        columns.last += bandSum.last;
    }
    return complete && columns.low == packed::AllDigitLanes &&
           columns.high == packed::AllDigitLanes && columns.last == packed::AllDigits;
}

} // namespace tessra
