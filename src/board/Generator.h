#pragma once

#include "board/Cell.h"
#include "board/FlagGrid.h"
#include "board/RandomSource.h"

#include <cstdint>
#include <optional>

namespace tessra {

// Per-digit counts, index 1..9 (index 0 unused).
using NineFlags = IndexedArray<std::int16_t, 10>;

// The nine digits of the top row, left to right.
using TopRow = IndexedArray<std::uint8_t, BoardSide>;

// For each digit, how many of the nine cells of flagIndex's 3x3 block allow
// it (filled cells count for their own digit).
void CountPossibleDigits3x3Block(const FlagGrid& flags, NineFlags& nineFlags, int flagIndex);

// A random arrangement of 1..9: each cell draws one of the digits the row
// does not hold yet. Nine draws.
TopRow DrawTopRow(RandomSource& random);

// The greedy fill: repeatedly the open cell with the fewest candidates
// (lowest index on a tie) gets the candidate digit with the fewest possible
// places in its block. Never goes back, so for some top rows it reaches an
// open cell with no candidate left; then there is no result.
std::optional<BoardDigits> GreedyFill(const TopRow& topRow);

// A complete board with the given top row, found by a deterministic
// depth-first search (fewest candidates first, digits in ascending order).
// Every top row that is an arrangement of 1..9 has one.
BoardDigits CompleteByBacktracking(const TopRow& topRow);

// The solution grown from a top row: the greedy board where the greedy fill
// gets through, the backtracking completion where it meets a dead end. A
// function of the top row alone, and always a valid solved board.
BoardDigits FillFromTopRow(const TopRow& topRow);

// Empties all but cells2Keep (0..81) cells of the board: 81 exchanges of two
// randomly drawn places of the order 0..80, then the cells named in the
// first cells2Keep places keep their digit. 162 draws.
void RandomCellClear(BoardDigits& board, int cells2Keep, RandomSource& random);

struct GeneratedPuzzle {
    BoardDigits solution{};
    BoardDigits puzzle{};
};

// A new puzzle with cells2Keep digits left standing: 171 draws in all.
GeneratedPuzzle GeneratePuzzle(int cells2Keep, RandomSource& random);

} // namespace tessra
