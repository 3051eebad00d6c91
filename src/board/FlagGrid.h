#pragma once

#include "board/CandidateString.h"
#include "board/Cell.h"

#include <array>

namespace tessra {

// The candidate flag grid: one candidate string per cell, by cell index.
// A new grid holds "123456789" everywhere.
using FlagGrid = CellArray<CandidateString>;

// Coordinates are column x then row y, both 0..8; digits 1..9. Callers pass
// values in range: an index outside the board is a programming error.

// The single-flag operations of the grid. The board scan gives the result of
// applying them cell by cell without calling them (see BoardScan.cpp).

inline CandidateString& CellFlags(FlagGrid& grid, int x, int y) {
    return grid[IndexOf(x, y)];
}

inline bool GetFlagGrid(const FlagGrid& flagArray, int x, int y, int digit) {
    return flagArray[IndexOf(x, y)].Has(digit);
}

inline void SetFlagGrid(FlagGrid& flagArray, int x, int y, int digit, bool value) {
    CellFlags(flagArray, x, y).Set(digit, value);
}

inline void SetGridFlagRow(FlagGrid& theFlagGrid, int y, int digit, bool value) {
    for (int x = 0; x < BoardSide; ++x) {
        SetFlagGrid(theFlagGrid, x, y, digit, value);
    }
}

inline void SetGridFlagCol(FlagGrid& theFlagGrid, int x, int digit, bool value) {
    for (int y = 0; y < BoardSide; ++y) {
        SetFlagGrid(theFlagGrid, x, y, digit, value);
    }
}

// Every cell of the 3x3 block that holds (x, y).
inline void SetGridFlag3x3(FlagGrid& theFlagGrid, int x, int y, int digit, bool value) {
    const int origin = BlockOriginOf(x, y);
    const int bx = ColumnOf(origin);
    const int by = RowOf(origin);
    for (int cx = bx; cx < bx + BlockSide; ++cx) {
        for (int cy = by; cy < by + BlockSide; ++cy) {
            SetFlagGrid(theFlagGrid, cx, cy, digit, value);
        }
    }
}

// Cell (x, y) becomes ".........".
inline void ClearFlagGrid(FlagGrid& flagArray, int x, int y) {
    CellFlags(flagArray, x, y) = CandidateString::None();
}

// Number of positions of the string that are not ".".
inline int CountFlagBits(CandidateString flag) {
    return flag.Count();
}

} // namespace tessra
