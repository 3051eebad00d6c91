#include "platform/QtColor.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(ColorValue, RedSitsInTheLowestByte) {
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FFFF), QColor(255, 255, 0)); // yellow
    EXPECT_EQ(ToQColor(0x400040), QColor(64, 0, 64));
    EXPECT_EQ(FromQColor(QColor(255, 128, 0)), 0x0080FFU);
    for (const ColorValue value : {0x000000U, 0xFFFFFFU, 0x123456U, 0x0080FFU}) {
        EXPECT_EQ(FromQColor(ToQColor(value)), value);
    }
}

TEST(ColorValue, SystemColoursShowAsClassicFixedColours) {
    EXPECT_EQ(ToQColor(SystemWindowBackground), QColor(Qt::white));
    EXPECT_EQ(ToQColor(SystemWindowText), QColor(Qt::black));
    EXPECT_EQ(ToQColor(0x8000000FU), QColor(192, 192, 192)); // button face
    EXPECT_EQ(ToQColor(0x800000FFU), QColor(Qt::black));     // no such index
    EXPECT_EQ(ToQColor(0xFFFFFFFFU), QColor(Qt::black));
    EXPECT_TRUE(IsSystemColor(0x80000005U));
    EXPECT_FALSE(IsSystemColor(0x00FFFFFFU));
}

} // namespace
} // namespace tessra
