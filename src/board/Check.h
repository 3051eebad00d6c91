#pragma once

#include "board/Cell.h"

namespace tessra {

// True when every 3x3 block, row and column holds each digit 1..9 exactly
// once. Any open cell makes the board wrong. The recorded solution plays no
// part, so every valid arrangement is right.
bool CheckPuzzle(const BoardDigits& board);

} // namespace tessra
