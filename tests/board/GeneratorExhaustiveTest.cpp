// Every possible top row through the generator's fill.

#include "board/Check.h"
#include "board/Generator.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

namespace tessra {
namespace {

// The hash, over every top row in std::next_permutation order from 123456789,
// of a byte (1 when the greedy fill got through, 0 at a dead end) and the 81
// digits of the solution. Recorded from the generator as first written, so
// any change to a single choice of the fill changes it.
constexpr std::uint64_t RecordedFillHash = 0x78AB4D4A71DE40D1ULL;

TEST(GeneratorExhaustive, EveryTopRowGivesTheRecordedValidSolution) {
    TopRow row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    int wrong = 0;
    std::uint64_t hash = 0xCBF29CE484222325ULL; // 64-bit FNV-1a, a byte at a time
    const auto add = [&hash](std::uint8_t byte) { hash = (hash ^ byte) * 0x100000001B3ULL; };
    do {
        const auto greedy = GreedyFill(row);
        const BoardDigits board = FillFromTopRow(row);
        // A valid solution with that top row, and the greedy board itself
        // whenever the greedy fill gets through.
        if (!CheckPuzzle(board) || !std::equal(row.begin(), row.end(), board.begin()) ||
            (greedy && board != *greedy)) {
            ++wrong;
        }
        add(greedy ? 1 : 0);
        for (const std::uint8_t digit : board) {
            add(digit);
        }
    } while (std::next_permutation(row.begin(), row.end()));
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(hash, RecordedFillHash) << std::hex << hash;
}

} // namespace
} // namespace tessra
