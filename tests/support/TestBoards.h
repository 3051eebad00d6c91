#pragma once

#include "board/Cell.h"
#include "board/RandomSource.h"

#include <string_view>
#include <vector>

namespace tessra::test {

// An 81-character board, row by row; any character but 1..9 is an open cell.
inline BoardDigits ParseBoard(std::string_view text) {
    BoardDigits board{};
    for (int i = 0; i < CellCount; ++i) {
        const char c = text.at(static_cast<std::size_t>(i));
        board[i] = static_cast<std::uint8_t>(c >= '1' && c <= '9' ? c - '0' : 0);
    }
    return board;
}

// A solved board: the greedy fill of the top row 123456789.
inline constexpr std::string_view SolvedBoard = "123456789987321654654987321892714536716593842"
                                                "435862917548279163371648295269135478";

// Replays a fixed list of draws (repeating it when it runs out) and counts
// how many were taken.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    float Draw() override { return draws_[count_++ % draws_.size()]; }
    std::size_t Count() const { return count_; }

  private:
    std::vector<float> draws_;
    std::size_t count_ = 0;
};

} // namespace tessra::test
