#include "board/DigitString.h"

#include "support/TestBoards.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace tessra {
namespace {

using test::ScriptedRandom;

TEST(CompressDigitStr, KeepsOnlyTheDecimalDigitsInOrder) {
    const std::pair<std::string, std::string> rows[] = {
        {".........", ""}, {"123456789", "123456789"}, {"1.3..6..9", "1369"},
        {"", ""},          {"a0b:9/", "09"},           {"9 8,7", "987"},
    };
    for (auto [text, expected] : rows) {
        CompressDigitStr(text);
        EXPECT_EQ(text, expected);
    }
}

TEST(Random1to9Str, TakesExactlyOneDrawWhateverTheString) {
    for (const char* flags : {".........", "....5....", "123456789", ""}) {
        ScriptedRandom random({0.5f});
        Random1to9Str(flags, random);
        EXPECT_EQ(random.Count(), 1U) << flags;
    }
}

TEST(Random1to9Str, NoCandidateGivesEmptyAndOneCandidateGivesItAlways) {
    for (const float r : {0.0f, 0.3f, 0.99999994f}) {
        ScriptedRandom random({r});
        EXPECT_EQ(Random1to9Str(".........", random), "");
        EXPECT_EQ(Random1to9Str("......7..", random), "7");
    }
}

TEST(Random1to9Str, EachDigitOwnsAnEqualNinthOfTheDraws) {
    // The draw r picks digit floor(9r) + 1: the nine ninths of [0, 1) map
    // to the nine digits, and the largest draw below 1 still gives 9.
    std::array<int, 10> seen{};
    constexpr int Steps = 9000;
    for (int k = 0; k < Steps; ++k) {
        ScriptedRandom random({static_cast<float>(k) / Steps});
        ++seen[static_cast<std::size_t>(Random1to9Str("123456789", random)[0] - '0')];
    }
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(seen[static_cast<std::size_t>(d)], Steps / 9) << d;
    }
    ScriptedRandom top({0.99999994f});
    EXPECT_EQ(Random1to9Str("123456789", top), "9");
    ScriptedRandom twoDigits({0.5f});
    EXPECT_EQ(Random1to9Str(".2.....8.", twoDigits), "8");
}

} // namespace
} // namespace tessra
