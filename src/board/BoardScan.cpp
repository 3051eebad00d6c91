#include "board/BoardScan.h"

namespace tessra {

void BoardScanSetFlags(FlagGrid& flagArray, const BoardDigits& board) {
    flagArray.fill(CandidateString::All());
    for (int x = 0; x < BoardSide; ++x) {
        for (int y = 0; y < BoardSide; ++y) {
            const int v = board[static_cast<std::size_t>(IndexOf(x, y))];
            if (v < 1 || v > 9) {
                continue;
            }
            SetGridFlagRow(flagArray, y, v, false);
            SetGridFlagCol(flagArray, x, v, false);
            SetGridFlag3x3(flagArray, x, y, v, false);
            ClearFlagGrid(flagArray, x, y);
            SetFlagGrid(flagArray, x, y, v, true);
        }
    }
}

} // namespace tessra
