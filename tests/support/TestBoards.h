#pragma once

#include "board/Cell.h"
#include "board/RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tessra::test {

// An 81-character board, row by row; "." or "0" for an open cell.
inline BoardDigits ParseBoard(std::string_view text) {
    BoardDigits board{};
    if (text.size() != CellCount) {
        throw std::invalid_argument("a board needs 81 characters");
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        board[i] = static_cast<std::uint8_t>(c >= '1' && c <= '9' ? c - '0' : 0);
    }
    return board;
}

// A solved board: the greedy fill of the top row 123456789.
inline constexpr std::string_view SolvedBoard = "123456789"
                                                "987321654"
                                                "654987321"
                                                "892714536"
                                                "716593842"
                                                "435862917"
                                                "548279163"
                                                "371648295"
                                                "269135478";

// True when two cells share a row, a column or a 3x3 block.
inline bool SharesUnit(int a, int b) {
    return RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) ||
           BlockOriginOf(ColumnOf(a), RowOf(a)) == BlockOriginOf(ColumnOf(b), RowOf(b));
}

// Replays a fixed list of draws (repeating it when it runs out) and counts
// how many were taken.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    float Draw() override {
        const float r = draws_[count_ % draws_.size()];
        ++count_;
        return r;
    }
    std::size_t Count() const { return count_; }

  private:
    std::vector<float> draws_;
    std::size_t count_ = 0;
};

} // namespace tessra::test
