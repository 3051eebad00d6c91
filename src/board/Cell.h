#pragma once

#include "board/IndexedArray.h"

#include <cstdint>

namespace tessra {

// The board has 81 cells; cell index = row * 9 + column, both counted from 0
// at the top left.
inline constexpr int CellCount = 81;
inline constexpr int BoardSide = 9;

constexpr int ColumnOf(int index) {
    return index % BoardSide;
}
constexpr int RowOf(int index) {
    return index / BoardSide;
}
constexpr int IndexOf(int x, int y) {
    return y * BoardSide + x;
}

// The 3x3 blocks. The block of cell (x, y) has its top-left cell at
// (x - x mod 3, y - y mod 3); blocks are numbered 0..8 left to right within
// a band of three rows, bands from the top.
inline constexpr int BlockSide = 3;

constexpr int BlockOriginOf(int x, int y) {
    return IndexOf(x - x % BlockSide, y - y % BlockSide);
}
constexpr int BlockOriginOf(int index) {
    return BlockOriginOf(ColumnOf(index), RowOf(index));
}
constexpr int BlockOf(int index) {
    return RowOf(index) / BlockSide * BlockSide + ColumnOf(index) / BlockSide;
}

// Only the values 1..9 place a digit on the board; every other cell value
// (0, or anything a file or a paste brought) leaves the cell open.
constexpr bool IsPlacedDigit(int value) {
    return value >= 1 && value <= 9;
}

// One element per cell, indexed by the cell index.
template <class T> using CellArray = IndexedArray<T, CellCount>;

// The digits standing on the board, by cell index: 1..9 for a placed digit,
// 0 for an open cell.
using BoardDigits = CellArray<std::uint8_t>;

} // namespace tessra
