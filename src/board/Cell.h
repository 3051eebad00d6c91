#pragma once

#include <array>
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

// Index of the top-left cell of the 3x3 block that holds cell (x, y).
constexpr int BlockOriginOf(int x, int y) {
    return IndexOf(x - x % 3, y - y % 3);
}

// Which of the nine 3x3 blocks holds the cell: 0..8, left to right within
// a band of three rows, bands from the top.
constexpr int BlockOf(int index) {
    return RowOf(index) / 3 * 3 + ColumnOf(index) / 3;
}

// The digits standing on the board, by cell index: 1..9 for a placed digit,
// 0 for an open cell.
using BoardDigits = std::array<std::uint8_t, CellCount>;

} // namespace tessra
