// Drawing digits and generating puzzles. Every top row's fill is pinned in
// GeneratorExhaustiveTest.cpp; these are the named cases and the draws.

#include "board/Generator.h"

#include "board/BoardScan.h"
#include "board/Check.h"
#include "board/DigitString.h"
#include "support/TestBoards.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ParseBoard;
using test::ScriptedRandom;

TopRow Row(const char* digits) {
    TopRow row{};
    for (int x = 0; x < BoardSide; ++x) {
        row[x] = static_cast<std::uint8_t>(digits[x] - '0');
    }
    return row;
}

int CountOpen(const BoardDigits& board) {
    return static_cast<int>(std::count(board.begin(), board.end(), 0));
}

TEST(CompressDigitStr, KeepsOnlyTheDecimalDigitsInOrder) {
    std::string text = "a0b:9/ 1.3..6..9 8,7";
    CompressDigitStr(text);
    EXPECT_EQ(text, "09136987");
    CompressDigitStr(text = ".........");
    EXPECT_EQ(text, "");
}

TEST(Random1to9Str, TakesOneDrawAndGivesEachCandidateAnEqualShare) {
    for (const float r : {0.0f, 0.3f, 0.99999994f}) {
        ScriptedRandom random({r});
        EXPECT_EQ(Random1to9Str(".........", random), "");
        EXPECT_EQ(Random1to9Str("......7..", random), "7");
        EXPECT_EQ(random.Count(), 2U);
    }
    // The draw r picks the candidate floor(n * r) + 1: the nine ninths of
    // [0, 1) map to the nine digits, and the largest draw below 1 gives 9.
    IndexedArray<int, 10> seen{};
    constexpr int Steps = 9000;
    for (int k = 0; k < Steps; ++k) {
        ScriptedRandom random({static_cast<float>(k) / Steps});
        ++seen[Random1to9Str("123456789", random)[0] - '0'];
    }
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(seen[d], Steps / 9) << d;
    }
    ScriptedRandom top({0.99999994f});
    EXPECT_EQ(Random1to9Str("123456789", top), "9");
    ScriptedRandom half({0.5f});
    EXPECT_EQ(Random1to9Str(".2.....8.", half), "8");
}

TEST(Generator, FillsFromTheTopRowGreedilyOrByCompletion) {
    EXPECT_EQ(GreedyFill(Row("123456789")), ParseBoard(test::SolvedBoard));
    EXPECT_EQ(FillFromTopRow(Row("123456789")), ParseBoard(test::SolvedBoard));
    // A dead end is completed by a search; its first solution is the one recorded.
    const std::pair<const char*, const char*> deadEnds[] = {
        {"987654321", "987654321123789456456123789231475698678932145549816237315268974792541863"
                      "864397512"},
        {"123457689", "123457689456389127789126345261873954874591236395264718537642891618935472"
                      "942718563"}};
    for (const auto& [digits, completion] : deadEnds) {
        EXPECT_FALSE(GreedyFill(Row(digits)).has_value()) << digits;
        EXPECT_EQ(FillFromTopRow(Row(digits)), ParseBoard(completion)) << digits;
    }
}

TEST(Generator, CountPossibleDigitsCountsTheBlockOfTheCell) {
    BoardDigits board{};
    board[IndexOf(3, 3)] = 1; // centre block
    board[IndexOf(0, 4)] = 2; // takes 2 from the centre block's row 4
    FlagGrid flags;
    BoardScanSetFlags(flags, board);
    NineFlags nine{};
    nine.fill(42);
    CountPossibleDigits3x3Block(flags, nine, IndexOf(5, 5));
    EXPECT_EQ(nine, (NineFlags{{{0, 1, 5, 8, 8, 8, 8, 8, 8, 8}}}))
        << "1: only the filled cell itself; 2: neither row 4 nor the filled cell";
}

TEST(Generator, DrawTopRowIsAnArrangementFromNineDraws) {
    for (const float r : {0.0f, 0.25f, 0.5f, 0.99999994f}) {
        ScriptedRandom random({r, 0.7f, 0.1f});
        TopRow row = DrawTopRow(random);
        EXPECT_EQ(random.Count(), 9U);
        std::sort(row.begin(), row.end());
        EXPECT_EQ(row, Row("123456789"));
    }
    ScriptedRandom lowest({0.0f});
    EXPECT_EQ(DrawTopRow(lowest), Row("123456789")) << "the lowest draw takes the lowest digit";
}

TEST(Generator, RandomCellClearKeepsCells2KeepOfTheDrawnOrder) {
    const BoardDigits solved = ParseBoard(test::SolvedBoard);
    for (const int keep : {33, 30, 27, 24, 20, 0, 81, 1}) {
        ScriptedRandom random({0.13f, 0.77f, 0.5f, 0.91f, 0.02f});
        BoardDigits board = solved;
        RandomCellClear(board, keep, random);
        EXPECT_EQ(random.Count(), 162U) << keep;
        EXPECT_EQ(CountOpen(board), CellCount - keep) << keep;
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_TRUE(board[i] == 0 || board[i] == solved[i]) << "kept cells keep their digit";
        }
    }
    // All draws 0: every exchange swaps place 0 with itself, so the first
    // cells by index are kept.
    BoardDigits board = solved;
    ScriptedRandom zero({0.0f});
    RandomCellClear(board, 3, zero);
    EXPECT_EQ(board, ParseBoard(std::string("123").append(78, '.')));
    // The first exchange swaps places 0 and 80 (the largest draw below 1
    // gives 80), the other 80 leave place 0 alone: it names cell 80.
    std::vector<float> draws(162, 0.0f);
    draws[1] = 0.99999994f;
    ScriptedRandom once(draws);
    board = solved;
    RandomCellClear(board, 1, once);
    EXPECT_EQ(board, ParseBoard(std::string(80, '.') + "8"));
}

TEST(Generator, GeneratePuzzleTakes171DrawsAndKeepsSolutionDigits) {
    for (const int keep : {33, 20}) {
        ScriptedRandom random({0.31f, 0.62f, 0.05f, 0.88f, 0.47f, 0.19f, 0.73f});
        const GeneratedPuzzle generated = GeneratePuzzle(keep, random);
        EXPECT_EQ(random.Count(), 171U);
        EXPECT_TRUE(CheckPuzzle(generated.solution));
        EXPECT_EQ(CountOpen(generated.puzzle), CellCount - keep);
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_TRUE(generated.puzzle[i] == 0 || generated.puzzle[i] == generated.solution[i]);
        }
    }
}

} // namespace
} // namespace tessra
