#include "board/CandidateString.h"

#include "board/FlagGrid.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(CandidateString, ParsesOnlyDigitsAtTheirOwnPositionsAndDots) {
    struct Row {
        const char* text;
        bool valid;
    };
    const Row rows[] = {
        {"123456789", true},  {".........", true},   {"..3...7..", true},  {"1234.6789", true},
        {"12345678", false},  {"1234567890", false}, {"", false},          {"213456789", false},
        {"....4....", false}, // 4 belongs at position 4, not 5
        {"...4.....", true},  {"1234x6789", false},  {"12345678 ", false},
    };
    for (const Row& row : rows) {
        const auto parsed = CandidateString::Parse(row.text);
        EXPECT_EQ(parsed.has_value(), row.valid) << row.text;
        if (parsed) {
            EXPECT_EQ(parsed->ToString(), row.text);
        }
    }
}

TEST(CandidateString, CountsAndReadsFlags) {
    EXPECT_EQ(CountFlagBits(CandidateString::All()), 9);
    EXPECT_EQ(CountFlagBits(CandidateString::None()), 0);
    const CandidateString three7 = *CandidateString::Parse("..3...7..");
    EXPECT_EQ(CountFlagBits(three7), 2);
    FlagGrid grid;
    grid[IndexOf(2, 5)] = three7;
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(GetFlagGrid(grid, 2, 5, d), d == 3 || d == 7) << d;
    }
}

TEST(FlagGrid, SetFlagWritesOnlyItsOwnPosition) {
    FlagGrid grid;
    SetFlagGrid(grid, 0, 0, 5, false);
    EXPECT_EQ(grid[0].ToString(), "1234.6789");
    SetFlagGrid(grid, 0, 0, 5, false); // clearing again changes nothing
    EXPECT_EQ(grid[0].ToString(), "1234.6789");
    ClearFlagGrid(grid, 0, 0);
    SetFlagGrid(grid, 0, 0, 5, true);
    EXPECT_EQ(grid[0].ToString(), "....5....");
    SetFlagGrid(grid, 0, 0, 5, true);
    EXPECT_EQ(grid[0].ToString(), "....5....");
}

// Which cells a row, column or block write touches.
std::vector<int> TouchedBy(void (*write)(FlagGrid&)) {
    FlagGrid grid;
    write(grid);
    std::vector<int> touched;
    for (int i = 0; i < CellCount; ++i) {
        if (grid[static_cast<std::size_t>(i)] != CandidateString::All()) {
            touched.push_back(i);
        }
    }
    return touched;
}

TEST(FlagGrid, RowColumnAndBlockWritesTouchExactlyTheirCells) {
    EXPECT_EQ(TouchedBy([](FlagGrid& g) { SetGridFlagRow(g, 2, 1, false); }),
              (std::vector<int>{18, 19, 20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(TouchedBy([](FlagGrid& g) { SetGridFlagCol(g, 2, 1, false); }),
              (std::vector<int>{2, 11, 20, 29, 38, 47, 56, 65, 74}));
    EXPECT_EQ(TouchedBy([](FlagGrid& g) { SetGridFlag3x3(g, 4, 7, 1, false); }),
              (std::vector<int>{57, 58, 59, 66, 67, 68, 75, 76, 77}));
    EXPECT_EQ(TouchedBy([](FlagGrid& g) { ClearFlagGrid(g, 8, 8); }), (std::vector<int>{80}));
}

} // namespace
} // namespace tessra
