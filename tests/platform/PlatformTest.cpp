#include "platform/CommonDialog.h"
#include "platform/ProgramRandom.h"
#include "platform/QtColor.h"
#include "platform/SafeFile.h"

#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>
#include <vector>

namespace tessra {
namespace {

std::vector<float> Draws(float seed, int n) {
    ProgramRandom::Instance().Seed(seed);
    std::vector<float> draws(static_cast<std::size_t>(n));
    for (float& r : draws) {
        r = ProgramRandom::Instance().Draw();
    }
    return draws;
}

TEST(ProgramRandom, SeedDecidesTheSequenceDownToItsFractionAndDrawsStayBelowOne) {
    EXPECT_EQ(Draws(12345.0f, 50), Draws(12345.0f, 50));
    EXPECT_NE(Draws(12345.0f, 50), Draws(12345.333f, 50)); // a third of a second apart
    // A plain float conversion would round the largest draw up to 1.0, and
    // floor(1.0 * 81) would name a cell 81.
    EXPECT_EQ(ProgramRandom::ToUnitFloat(0), 0.0f);
    EXPECT_EQ(static_cast<int>(ProgramRandom::ToUnitFloat(0xFFFFFFFFU) * 81.0), 80);
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

TEST(ColorValue, RedSitsInTheLowestByteAndSystemColoursShowClassic) {
    const std::pair<ColorValue, QColor> rows[] = {
        {0x00FFFF, QColor(255, 255, 0)},
        {0x400080, QColor(128, 0, 64)},
        {SystemWindowBackground, Qt::white},
        {SystemWindowText, Qt::black},
        {0x80000018U, QColor(255, 255, 225)}, // the last system colour, 24
        {0x80000019U, Qt::black},
        {0x800001FFU, Qt::black},
        {0xFFFFFF05U, Qt::black}};
    for (const auto& [value, colour] : rows) {
        EXPECT_EQ(ToQColor(value), colour) << value;
    }
    EXPECT_EQ(FromQColor(QColor(255, 128, 0)), 0x0080FFU);
}

// A file of the limit is read to its last byte and one byte more is refused.
// A pseudo file says it holds nothing, then gives its contents however long
// they are: it is read, but never further than one byte past the limit.
// (Windows has no such files in its file systems; what it has instead,
// devices and pipes, is refused before it is read: see FilesTest.)
TEST(ReadWholeFile, ReadsUpToTheLimitAndNeverPastIt) {
    QTemporaryDir dir;
    QFile file(dir.filePath("limit"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(99, 'x') + "y") == 100);
    file.close();
    EXPECT_EQ(ReadWholeFile(file.fileName(), 100).bytes, QByteArray(99, 'x') + "y");
    const WholeFile over = ReadWholeFile(file.fileName(), 99);
    EXPECT_TRUE(over.status == WholeFile::Status::TooLarge && over.size == 100);
#ifdef Q_OS_LINUX
    const WholeFile whole = ReadWholeFile("/proc/self/maps", 1 << 20);
    ASSERT_EQ(whole.status, WholeFile::Status::Read) << whole.reason.toStdString();
    EXPECT_TRUE(whole.bytes.contains("[stack]"));
    const WholeFile cut = ReadWholeFile("/proc/self/maps", 100);
    EXPECT_TRUE(cut.status == WholeFile::Status::TooLarge && cut.size == -1);
#endif
}

TEST(CommonDialog, FiltersShowAsNamedFilterPlusAllFiles) {
    EXPECT_EQ(NameFiltersFor("*.sav || *.*"),
              (QStringList{"Puzzle files (*.sav)", "All files (*)"}));
    EXPECT_EQ(NameFiltersFor("*.bmp |*"), (QStringList{"Bitmap images (*.bmp)", "All files (*)"}));
    EXPECT_EQ(NameFiltersFor("*.txt"), (QStringList{"*.txt (*.txt)"}));
}

} // namespace
} // namespace tessra
