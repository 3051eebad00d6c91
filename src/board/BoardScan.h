#pragma once

#include "board/Cell.h"
#include "board/FlagGrid.h"

namespace tessra {

// Rebuilds every candidate string from the digits on the board.
//
// Cells are visited column by column (x outer, y inner); each placed digit
// is removed from its row, column and block, then its own cell is set to hold
// that digit alone. A later-visited cell therefore wins a conflict: of two
// equal digits in a row the right one keeps its digit and the left one ends
// with ".........", in a column the lower one keeps it.
//
// Runs on every click and keystroke, so it works with whole-unit digit
// masks, four cells at a time, rather than cell by cell.
void BoardScanSetFlags(FlagGrid& flagArray, const BoardDigits& board);

} // namespace tessra
