#include "board/CellValue.h"

#include <gtest/gtest.h>
#include <string>

namespace tessra {
namespace {

TEST(CellDigit, ReadsTheLeadingNumberAndKeepsOnlyOneToNine) {
    struct Row {
        std::string text;
        int digit;
    };
    const Row rows[] = {
        {"", 0},
        {"5", 5},
        {"9", 9},
        {"0", 0},
        {" 5", 5},
        {"\t7", 7},
        {"   3x", 3},
        {"7x", 7},
        {"x7", 0},
        {"10", 0},
        {"35", 0},
        {"-3", 0},
        {"+4", 4},
        {"-0.4", 0},
        {" ", 0},
        {"1.5", 2},
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"0.51", 1},
        {"8.5", 8},
        {"9.5", 0},
        {"9.49", 9},
        {".9", 1},
        {"1e0", 1},
        {"5e-1", 0},
        {"0.7e1", 7},
        {"3 5", 3},
        {"inf", 0},
        {"nan", 0},
        {"1e400", 0},
        {".", 0},
        {"-", 0},
        {"٣", 0},
        {"0x5", 0},
        {std::string(400, '9'), 0},       // beyond any integer type
        {std::string(400, '0') + "1", 1}, // leading zeros do not matter
        {"4" + std::string(100000, 'x'), 4},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CellDigit(row.text), row.digit) << '"' << row.text.substr(0, 20) << '"';
    }
}

} // namespace
} // namespace tessra
