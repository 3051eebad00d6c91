#pragma once

#include "board/CandidateString.h"
#include "board/Cell.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

// For the board engine's own use: one board row as candidate masks, four
// cells to a 64-bit word in 16-bit lanes. The scan and the check combine
// rows, columns and blocks four cells per operation this way, which is what
// brings a whole-board pass down to a few dozen nanoseconds.
namespace tessra::packed {

// The candidate mask of a cell value: bit d-1 for a placed digit d (1..9),
// none for anything else. A table, because every byte value must map and a
// load is cheaper than the range test and shift.
inline constexpr IndexedArray<std::uint16_t, 256> DigitBit = [] {
    IndexedArray<std::uint16_t, 256> bits{};
    for (int v = 0; v < 256; ++v) {
        bits[v] = IsPlacedDigit(v) ? static_cast<std::uint16_t>(1U << (v - 1)) : 0;
    }
    return bits;
}();

inline constexpr std::uint64_t LaneOnes = 0x0001'0001'0001'0001;
inline constexpr std::uint32_t AllDigits = CandidateString::All().Mask();
inline constexpr std::uint64_t AllDigitLanes = AllDigits * LaneOnes;

// The masks of one row: columns 0..3 in the lanes of low (column 0 in the
// lowest), columns 4..7 in high, column 8 in last.
// Plain data: arrays of rows are filled as the scan goes, not zeroed first.
struct Row {
    std::uint64_t low;
    std::uint64_t high;
    std::uint32_t last;
};

inline std::uint64_t Lane(std::uint64_t word, int lane) {
    return (word >> (16 * lane)) & 0xFFFF;
}

// DigitBit already moved into each of the four lanes: one load per cell
// and no shift. Only the entries of 0..9 are ever touched in normal use.
inline constexpr std::array<std::array<std::uint64_t, 256>, 4> DigitBitInLane = [] {
    std::array<std::array<std::uint64_t, 256>, 4> lanes{};
    for (std::size_t lane = 0; lane < 4; ++lane) {
        for (int v = 0; v < 256; ++v) {
            lanes[lane][static_cast<std::size_t>(v)] = std::uint64_t{DigitBit[v]} << (16 * lane);
        }
    }
    return lanes;
}();

// The digit masks of row y; open cells give 0.
inline Row PackRow(const BoardDigits& board, int y) {
    const std::uint8_t* cells = board.data() + IndexOf(0, y);
    const auto bit = [cells](int x, std::size_t lane) { return DigitBitInLane[lane][cells[x]]; };
    return {bit(0, 0) | bit(1, 1) | bit(2, 2) | bit(3, 3),
            bit(4, 0) | bit(5, 1) | bit(6, 2) | bit(7, 3), DigitBit[cells[8]]};
}

// True when some cell of row y holds a value other than 0.
inline bool RowHasValues(const BoardDigits& board, int y) {
    std::uint64_t first8 = 0;
    std::memcpy(&first8, board.data() + IndexOf(0, y), sizeof first8);
    return (first8 | board[IndexOf(8, y)]) != 0;
}

inline std::uint32_t OrOfLanes(std::uint64_t word) {
    word |= word >> 32;
    word |= word >> 16;
    return static_cast<std::uint32_t>(word & 0xFFFF);
}

// Sum of the four lanes; exact while it stays below 2^16 (the whole board's
// digit bits sum to at most 81 * 2^8).
inline std::uint32_t SumOfLanes(std::uint64_t word) {
    word += word >> 32;
    word += word >> 16;
    return static_cast<std::uint32_t>(word & 0xFFFF);
}

// 0x1FF in each lane that is not 0, 0 in the others (lanes at most 0x1FF):
// adding 0x1FF carries into bit 9 exactly in the lanes that are not 0.
inline std::uint64_t OccupiedLanes(std::uint64_t word) {
    const std::uint64_t carries = (word + AllDigitLanes) & (0x0200 * LaneOnes);
    return carries - (carries >> 9);
}

// The three block masks of a band, from the ORed rows of the band.
inline std::array<std::uint32_t, 3> BandBlocks(const Row& band) {
    return {static_cast<std::uint32_t>(Lane(band.low, 0) | Lane(band.low, 1) | Lane(band.low, 2)),
            static_cast<std::uint32_t>(Lane(band.low, 3) | Lane(band.high, 0) | Lane(band.high, 1)),
            static_cast<std::uint32_t>(Lane(band.high, 2) | Lane(band.high, 3) | band.last)};
}

// Writes four lanes into four consecutive candidate strings.
inline void StoreLanes(CandidateString* at, std::uint64_t word) {
    static_assert(sizeof(CandidateString) == sizeof(std::uint16_t) &&
                  std::is_trivially_copyable_v<CandidateString>);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(static_cast<void*>(at), &word, sizeof word);
    } else {
        for (int lane = 0; lane < 4; ++lane) {
            at[lane] = CandidateString::FromMask(static_cast<std::uint16_t>(Lane(word, lane)));
        }
    }
}

} // namespace tessra::packed
