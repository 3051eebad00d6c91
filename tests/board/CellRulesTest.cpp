// The rules of one cell: candidate strings and the flag grid's writes, and
// the digit a cell text places.

#include "board/CellValue.h"
#include "board/FlagGrid.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessra {
namespace {

TEST(CandidateString, ParsesOnlyDigitsAtTheirOwnPositionsAndDots) {
    const std::pair<const char*, bool> rows[] = {
        {"123456789", true},  {".........", true},   {"..3...7..", true}, {"...4.....", true},
        {"12345678", false},  {"1234567890", false}, {"", false},         {"213456789", false},
        {"....4....", false}, {"1234x6789", false},  {"12345678 ", false}};
    for (const auto& [text, valid] : rows) {
        const auto parsed = CandidateString::Parse(text);
        ASSERT_EQ(parsed.has_value(), valid) << text;
        if (parsed) {
            EXPECT_EQ(parsed->ToString(), text);
        }
    }
}

TEST(FlagGrid, ReadsCountsAndWritesSingleFlags) {
    FlagGrid grid;
    EXPECT_EQ(CountFlagBits(grid[0]), 9);
    SetFlagGrid(grid, 2, 5, 5, false);
    SetFlagGrid(grid, 2, 5, 5, false); // clearing twice changes nothing
    EXPECT_EQ(grid[IndexOf(2, 5)].ToString(), "1234.6789");
    ClearFlagGrid(grid, 2, 5);
    EXPECT_EQ(CountFlagBits(grid[IndexOf(2, 5)]), 0);
    SetFlagGrid(grid, 2, 5, 3, true);
    SetFlagGrid(grid, 2, 5, 7, true);
    EXPECT_EQ(grid[IndexOf(2, 5)].ToString(), "..3...7..");
    EXPECT_EQ(CountFlagBits(grid[IndexOf(2, 5)]), 2);
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(GetFlagGrid(grid, 2, 5, d), d == 3 || d == 7) << d;
    }
}

TEST(FlagGrid, RowColumnAndBlockWritesTouchExactlyTheirCells) {
    const auto touched = [](void (*write)(FlagGrid&)) {
        FlagGrid grid;
        write(grid);
        std::vector<int> cells;
        for (int i = 0; i < CellCount; ++i) {
            if (grid[i] != CandidateString::All()) {
                EXPECT_EQ(grid[i].ToString(), ".23456789") << i;
                cells.push_back(i);
            }
        }
        return cells;
    };
    EXPECT_EQ(touched([](FlagGrid& g) { SetGridFlagRow(g, 2, 1, false); }),
              (std::vector<int>{18, 19, 20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(touched([](FlagGrid& g) { SetGridFlagCol(g, 2, 1, false); }),
              (std::vector<int>{2, 11, 20, 29, 38, 47, 56, 65, 74}));
    EXPECT_EQ(touched([](FlagGrid& g) { SetGridFlag3x3(g, 4, 7, 1, false); }),
              (std::vector<int>{57, 58, 59, 66, 67, 68, 75, 76, 77}));
    EXPECT_EQ(touched([](FlagGrid& g) { SetGridFlag3x3(g, 8, 0, 1, false); }),
              (std::vector<int>{6, 7, 8, 15, 16, 17, 24, 25, 26}));
}

TEST(CellDigit, ReadsTheLeadingNumberAndKeepsOnlyOneToNine) {
    const std::pair<const char*, int> rows[] = {
        {"", 0},      {"5", 5},    {"9", 9},     {"0", 0},   {" 5", 5},     {"\t7", 7},
        {"   3x", 3}, {"7x", 7},   {"x7", 0},    {"10", 0},  {"35", 0},     {"-3", 0},
        {"+4", 4},    {"-0.4", 0}, {" ", 0},     {"1.5", 2}, {"2.5", 2},    {"3.5", 4},
        {"0.5", 0},   {"0.51", 1}, {"8.5", 8},   {"9.5", 0}, {"9.49", 9},   {".9", 1},
        {"1e0", 1},   {"5e-1", 0}, {"0.7e1", 7}, {"3 5", 3}, {"inf", 0},    {"nan", 0},
        {"1e400", 0}, {".", 0},    {"-", 0},     {"+", 0},   {"\u0663", 0}, {"0x5", 0}};
    for (const auto& [text, digit] : rows) {
        EXPECT_EQ(CellDigit(text), digit) << '"' << text << '"';
    }
    EXPECT_EQ(CellDigit(std::string(400, '9')), 0) << "beyond any integer type";
    EXPECT_EQ(CellDigit(std::string(400, '0') + "1"), 1) << "leading zeros do not matter";
    EXPECT_EQ(CellDigit(std::string("4").append(100000, 'x')), 4);
}

} // namespace
} // namespace tessra
