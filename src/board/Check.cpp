#include "board/Check.h"

#include "board/PackedRow.h"

namespace tessra {

// Nine cells hold each digit 1..9 exactly once exactly when their digit
// masks OR to all nine digits: an open cell adds no digit, and nine cells
// cannot show nine digits if one repeats. So every row, column and block is
// checked by ORing masks, four cells at a time; no unit is skipped, so the
// time does not depend on the board.
bool CheckPuzzle(const BoardDigits& board) {
    bool complete = true;
    packed::Row columns{};
    for (int band = 0; band < 3; ++band) {
        packed::Row bandDigits{};
        for (int y = band * 3; y < band * 3 + 3; ++y) {
            const packed::Row row = packed::PackRow(board, y);
            complete &= (packed::OrOfLanes(row.low | row.high) | row.last) == packed::AllDigits;
            bandDigits.low |= row.low;
            bandDigits.high |= row.high;
            bandDigits.last |= row.last;
        }
        for (const std::uint32_t block : packed::BandBlocks(bandDigits)) {
            complete &= block == packed::AllDigits;
        }
        columns.low |= bandDigits.low;
        columns.high |= bandDigits.high;
        columns.last |= bandDigits.last;
    }
    return complete && columns.low == packed::AllDigitLanes &&
           columns.high == packed::AllDigitLanes && columns.last == packed::AllDigits;
}

} // namespace tessra
