#include "platform/ProgramRandom.h"

#include <QTime>
#include <gtest/gtest.h>
#include <vector>

namespace tessra {
namespace {

TEST(ProgramRandom, LargestEngineOutputStaysBelowOne) {
    // A plain float conversion rounds the largest 32-bit draw up to 1.0,
    // and floor(1.0 * 81) would name cell 81.
    EXPECT_EQ(static_cast<float>(0xFFFFFFFFU) / 4294967296.0f, 1.0f);
    EXPECT_LT(ProgramRandom::ToUnitFloat(0xFFFFFFFFU), 1.0f);
    EXPECT_EQ(static_cast<int>(ProgramRandom::ToUnitFloat(0xFFFFFFFFU) * 81.0), 80);
    EXPECT_EQ(ProgramRandom::ToUnitFloat(0), 0.0f);
}

std::vector<float> Draws(float seed, int n) {
    ProgramRandom& random = ProgramRandom::Instance();
    random.Seed(seed);
    std::vector<float> draws;
    for (int k = 0; k < n; ++k) {
        draws.push_back(random.Draw());
    }
    return draws;
}

TEST(ProgramRandom, SeedDecidesTheSequenceDownToItsFraction) {
    EXPECT_EQ(Draws(12345.0f, 50), Draws(12345.0f, 50));
    // One third of a second apart: two different seeds, two sequences.
    EXPECT_NE(Draws(12345.0f, 50), Draws(12345.333f, 50));
    for (const float r : Draws(28799.666f, 100000)) {
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(ProgramRandom, TimeOfDaySeedIsAThirdOfTheSecondsSinceMidnight) {
    const double before = QTime::currentTime().msecsSinceStartOfDay() / 3000.0;
    const float seed = TimeOfDaySeed();
    const double after = QTime::currentTime().msecsSinceStartOfDay() / 3000.0;
    if (after < before) {
        GTEST_SKIP() << "midnight passed during the test";
    }
    EXPECT_GE(seed, static_cast<float>(before) - 0.01f);
    EXPECT_LE(seed, static_cast<float>(after) + 0.01f);
}

} // namespace
} // namespace tessra
