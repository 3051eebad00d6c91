#include "board/Check.h"

#include <array>

namespace tessra {

namespace {

// The 27 units, each as nine cell indices: blocks (top band first, left to
// right), then rows top to bottom, then columns left to right.
using Unit = std::array<int, BoardSide>;

constexpr std::array<Unit, 27> MakeUnits() {
    std::array<Unit, 27> units{};
    int u = 0;
    for (int by = 0; by < 9; by += 3) {
        for (int bx = 0; bx < 9; bx += 3) {
            int k = 0;
            for (int y = by; y < by + 3; ++y) {
                for (int x = bx; x < bx + 3; ++x) {
                    units[static_cast<std::size_t>(u)][static_cast<std::size_t>(k++)] =
                        IndexOf(x, y);
                }
            }
            ++u;
        }
    }
    for (int y = 0; y < 9; ++y, ++u) {
        for (int x = 0; x < 9; ++x) {
            units[static_cast<std::size_t>(u)][static_cast<std::size_t>(x)] = IndexOf(x, y);
        }
    }
    for (int x = 0; x < 9; ++x, ++u) {
        for (int y = 0; y < 9; ++y) {
            units[static_cast<std::size_t>(u)][static_cast<std::size_t>(y)] = IndexOf(x, y);
        }
    }
    return units;
}

constexpr std::array<Unit, 27> Units = MakeUnits();

} // namespace

bool CheckPuzzle(const BoardDigits& board) {
    bool verdict = true;
    for (const Unit& unit : Units) {
        std::array<int, 10> counters{};
        for (const int cell : unit) {
            const int v = board[static_cast<std::size_t>(cell)];
            if (v >= 1 && v <= 9) {
                ++counters[static_cast<std::size_t>(v)];
            } else {
                verdict = false;
            }
        }
        for (int d = 1; d <= 9; ++d) {
            if (counters[static_cast<std::size_t>(d)] != 1) {
                verdict = false;
                break;
            }
        }
    }
    return verdict;
}

} // namespace tessra
