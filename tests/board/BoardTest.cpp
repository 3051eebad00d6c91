// The rules of one cell (candidate strings, the digit a cell text places),
// drawing digits and generating puzzles. The flag grid's row, column and
// block writes are the differential test's reference scan, and every top
// row's fill is pinned by GeneratorExhaustiveTest.cpp.

#include "board/BoardScan.h"
#include "board/CellValue.h"
#include "board/Check.h"
#include "board/DigitString.h"
#include "board/Generator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace tessra {
namespace {

// An 81-character board, row by row; any character but 1..9 is an open cell.
BoardDigits ParseBoard(std::string_view text) {
    BoardDigits board{};
    for (int i = 0; i < CellCount; ++i) {
        const char c = text.at(static_cast<std::size_t>(i));
        board[i] = static_cast<std::uint8_t>(c >= '1' && c <= '9' ? c - '0' : 0);
    }
    return board;
}

// The greedy fill of the top row 123456789.
constexpr std::string_view SolvedBoard =
    "123456789987321654654987321892714536716593842435862917548279163371648295269135478";

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
            EXPECT_EQ(CountFlagBits(*parsed), 9 - std::ranges::count(std::string_view(text), '.'));
        }
    }
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

TEST(CompressDigitStr, KeepsOnlyTheDecimalDigitsInOrder) {
    std::string text = "a0b:9/ 1.3..6..9 8,7";
    CompressDigitStr(text);
    EXPECT_EQ(text, "09136987");
}

// The draw r picks candidate floor(n * r) + 1 of the n, one draw each time,
// even when there is none to pick.
TEST(Random1to9Str, TakesOneDrawAndGivesEachCandidateItsShare) {
    const std::tuple<const char*, float, const char*> rows[] = {
        {".........", 0.3f, ""},         {"......7..", 0.99999994f, "7"},
        {"123456789", 0.0f, "1"},        {"123456789", 0.1111f, "1"},
        {"123456789", 0.1112f, "2"},     {"123456789", 0.5f, "5"},
        {"123456789", 0.8888f, "8"},     {"123456789", 0.8889f, "9"},
        {"123456789", 0.99999994f, "9"}, {".2.....8.", 0.4999f, "2"},
        {".2.....8.", 0.5f, "8"}};
    for (const auto& [candidates, r, digit] : rows) {
        ScriptedRandom random({r});
        EXPECT_EQ(Random1to9Str(candidates, random), digit) << candidates << " " << r;
        EXPECT_EQ(random.Count(), 1U);
    }
}

// The greedy fill of 123456789, and two dead ends that a search completes
// with its first solution. Each board starts with its top row.
TEST(Generator, FillsFromTheTopRowGreedilyOrByCompletion) {
    for (const std::string_view board :
         {SolvedBoard,
          std::string_view(
              "987654321123789456456123789231475698678932145549816237315268974792541863"
              "864397512"),
          std::string_view(
              "123457689456389127789126345261873954874591236395264718537642891618935472"
              "942718563")}) {
        TopRow row{};
        std::copy_n(ParseBoard(board).begin(), BoardSide, row.begin());
        EXPECT_EQ(GreedyFill(row).has_value(), board == SolvedBoard) << board;
        EXPECT_EQ(FillFromTopRow(row), ParseBoard(board)) << board;
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

// The top row takes 9 draws, the clearing 162: 81 exchanges of two drawn places.
TEST(Generator, GeneratePuzzleTakes171DrawsAndKeepsSolutionDigits) {
    for (const int keep : {33, 30, 27, 24, 20, 0, 81, 1}) {
        ScriptedRandom random({0.31f, 0.62f, 0.05f, 0.88f, 0.47f, 0.19f, 0.73f});
        const GeneratedPuzzle generated = GeneratePuzzle(keep, random);
        EXPECT_EQ(random.Count(), 171U);
        EXPECT_TRUE(CheckPuzzle(generated.solution));
        EXPECT_EQ(std::ranges::count(generated.puzzle, 0), CellCount - keep) << keep;
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_TRUE(generated.puzzle[i] == 0 || generated.puzzle[i] == generated.solution[i]);
        }
    }
    // All draws 0: the lowest digit each time gives the top row 123456789,
    // and every exchange swaps place 0 with itself, so the first cells stay.
    ScriptedRandom zero({0.0f});
    EXPECT_EQ(GeneratePuzzle(3, zero).puzzle, ParseBoard(std::string("123").append(78, '.')));
    // The first exchange swaps places 0 and 80 (the largest draw below 1
    // gives 80), the other 80 leave place 0 alone: it names cell 80.
    std::vector<float> draws(162, 0.0f);
    draws[1] = 0.99999994f;
    ScriptedRandom once(draws);
    BoardDigits board = ParseBoard(SolvedBoard);
    RandomCellClear(board, 1, once);
    EXPECT_EQ(board, ParseBoard(std::string(80, '.') + "8"));
}

} // namespace
} // namespace tessra
