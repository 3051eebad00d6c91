#pragma once

#include "files/SavFile.h"

#include <cstdint>
#include <iterator>
#include <string>

namespace tessra::test {

// A generated puzzle part-way through: digits typed in some cells, the full
// solution recorded, candidate strings of every shape, system and plain
// colours, and a palette changed from its start values.
inline SavedPuzzle SamplePuzzle() {
    SavedPuzzle puzzle;
    puzzle.randomPuzzleGenerateFlag = true;
    for (int i = 0; i < CellCount; ++i) {
        SavedCell& cell = puzzle.cells[static_cast<std::size_t>(i)];
        const int row = RowOf(i);
        const int column = ColumnOf(i);
        cell.solution = std::to_string((row * 3 + row / 3 + column) % 9 + 1);
        if (i % 3 == 0) {
            cell.text = cell.solution;
        }
        cell.flags = CandidateString::FromMask(static_cast<std::uint16_t>(i * 73));
        const std::uint32_t colors[] = {0x0,        0xFF,       0xFFFF,     0xFFFFFF,  0x80000005,
                                        0x80000008, 0x80000000, 0x7FFFFFFF, 0xFFFFFFFF};
        cell.foreColor = colors[static_cast<std::size_t>(i) % std::size(colors)];
        cell.backColor = colors[static_cast<std::size_t>(i / 2) % std::size(colors)];
    }
    for (std::size_t j = 0; j < puzzle.palette.size(); ++j) {
        puzzle.palette[j] = static_cast<std::uint32_t>(j * 0x111111);
    }
    puzzle.palette[3] = 0x8000000F;
    return puzzle;
}

} // namespace tessra::test
