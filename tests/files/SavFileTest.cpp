#include "files/SavFile.h"

#include "support/SamplePuzzle.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tessra {
namespace {

using test::SamplePuzzle;

// Lines of cell i in the file (1-based).
constexpr int LineA(int cell) {
    return 2 + 3 * cell;
}
constexpr int LineB(int cell) {
    return 3 + 3 * cell;
}
constexpr int LineC(int cell) {
    return 4 + 3 * cell;
}
constexpr int PaletteLine(int j) {
    return 245 + j;
}

std::vector<std::string> SplitCrLf(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = file.find("\r\n"); end != std::string::npos;
         end = file.find("\r\n", start)) {
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, file.size()) << "bytes after the last CR LF";
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string file;
    for (const std::string& line : lines) {
        file += line + lineEnd;
    }
    return file;
}

// The written form of a puzzle with some lines (1-based) replaced.
std::string WithLines(const SavedPuzzle& puzzle, const std::map<int, std::string>& replaced,
                      const std::string& lineEnd = "\r\n") {
    std::vector<std::string> lines = SplitCrLf(WriteSavFile(puzzle));
    for (const auto& [line, text] : replaced) {
        lines.at(static_cast<std::size_t>(line - 1)) = text;
    }
    return JoinLines(lines, lineEnd);
}

SavedPuzzle ReadOk(const std::string& bytes) {
    const SavReadResult result = ReadSavFile(bytes);
    EXPECT_TRUE(result.puzzle.has_value()) << result.error.Message();
    return result.puzzle.value_or(SavedPuzzle{});
}

TEST(SavWriter, WritesTheStartUpStateByteForByte) {
    // Every cell: black text on the window background, all candidates, no
    // text, no solution; a black palette.
    const std::string cellLines = " 0            -2147483643   123456789\r\n\r\n\r\n";
    std::string expected = " 0 \r\n";
    for (int i = 0; i < CellCount; ++i) {
        expected += cellLines;
    }
    for (int j = 0; j < 16; ++j) {
        expected += " 0 \r\n";
    }
    const std::string written = WriteSavFile(SavedPuzzle{});
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.size(), 3568U); // 5 + 81 * (39 + 2 + 2) + 16 * 5
}

TEST(SavWriter, WritesKnownLinesLiterally) {
    SavedPuzzle puzzle;
    puzzle.randomPuzzleGenerateFlag = true;
    puzzle.cells[0].text = "5";
    puzzle.cells[0].solution = "5";
    puzzle.cells[1].foreColor = 16777215;
    puzzle.cells[1].backColor = 0xFF;
    puzzle.cells[1].flags = *CandidateString::Parse("1.3......");
    puzzle.cells[1].solution = "7";
    puzzle.cells[80].foreColor = 0x80000000;
    puzzle.cells[80].backColor = 0x7FFFFFFF;
    puzzle.cells[80].flags = CandidateString::None();
    puzzle.cells[80].text = "35";
    puzzle.palette[0] = 0x80000005;
    puzzle.palette[15] = 16777215;

    const std::string written = WriteSavFile(puzzle);
    const std::vector<std::string> lines = SplitCrLf(written);
    ASSERT_EQ(lines.size(), 260U);
    EXPECT_EQ(written.substr(0, 5), "-1 \r\n");
    EXPECT_EQ(lines[0], "-1 ");
    EXPECT_EQ(lines[1], " 0            -2147483643   123456789");
    EXPECT_EQ(lines[2], "5");
    EXPECT_EQ(lines[3], "5");
    EXPECT_EQ(lines[4], " 16777215      255          1.3......");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "7");
    EXPECT_EQ(lines[241], "-2147483648    2147483647   .........");
    EXPECT_EQ(lines[242], "35");
    EXPECT_EQ(lines[243], "");
    EXPECT_EQ(lines[244], "-2147483643 ");
    EXPECT_EQ(lines[245], " 0 ");
    EXPECT_EQ(lines[259], " 16777215 ");
    EXPECT_EQ(written.substr(written.size() - 12), " 16777215 \r\n");
}

TEST(SavWriter, StartsEveryItemOfLineAAtTheNextFourteenColumnZone) {
    struct Row {
        std::uint32_t fore;
        std::uint32_t back;
        const char* lineA;
    };
    const Row rows[] = {
        // columns: 1             15            29
        {0, 0x80000005, " 0            -2147483643   123456789"},
        {1, 22, " 1             22           123456789"},
        {0x80000000, 0x80000000, "-2147483648   -2147483648   123456789"},
        {0xFFFFFFFF, 1234567890, "-1             1234567890   123456789"},
        {99999, 0xFFFFFF, " 99999         16777215     123456789"},
    };
    for (const Row& row : rows) {
        SavedPuzzle puzzle;
        puzzle.cells[0].foreColor = row.fore;
        puzzle.cells[0].backColor = row.back;
        const std::vector<std::string> lines = SplitCrLf(WriteSavFile(puzzle));
        ASSERT_EQ(lines.size(), 260U);
        EXPECT_EQ(lines[1], row.lineA) << row.fore << " " << row.back;
        EXPECT_EQ(lines[1].rfind("123456789"), 28U) << "the candidate string starts at column 29";
    }
}

TEST(SavRoundTrip, ReadingWhatWasWrittenGivesThePuzzleBack) {
    SavedPuzzle cleared = SamplePuzzle();
    cleared.randomPuzzleGenerateFlag = false;
    SavedPuzzle oddTexts = SamplePuzzle();
    oddTexts.cells[4].text = "35";
    oddTexts.cells[5].text = "7x";
    oddTexts.cells[6].text = "a  b";
    oddTexts.cells[7].solution = "12";
    oddTexts.cells[8].text = "\t9";
    const SavedPuzzle puzzles[] = {SavedPuzzle{}, SamplePuzzle(), cleared, oddTexts};
    for (const SavedPuzzle& puzzle : puzzles) {
        const std::string written = WriteSavFile(puzzle);
        EXPECT_EQ(ReadOk(written), puzzle);
    }
}

TEST(SavReader, AcceptsEveryKindOfLineEnd) {
    const SavedPuzzle puzzle = SamplePuzzle();
    const std::vector<std::string> lines = SplitCrLf(WriteSavFile(puzzle));
    for (const std::string lineEnd : {"\r\n", "\n", "\r"}) {
        EXPECT_EQ(ReadOk(JoinLines(lines, lineEnd)), puzzle) << "line end " << lineEnd.size();
    }
    // Mixed in one file.
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        mixed += lines[i] + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    }
    EXPECT_EQ(ReadOk(mixed), puzzle);
}

TEST(SavReader, AcceptsOtherBlanksCommasAndQuotesOnACellsLines) {
    struct Row {
        const char* a;
        const char* b;
        const char* c;
        std::uint32_t fore;
        std::uint32_t back;
        const char* flags;
        const char* text;
        const char* solution;
    };
    const Row rows[] = {
        {"0 -2147483643 123456789", "", "", 0, 0x80000005, "123456789", "", ""},
        {"   255   65535    1.3......   ", "  5  ", " 5 ", 255, 65535, "1.3......", "5", "5"},
        {"255,65535,1.3......", "5", "5", 255, 65535, "1.3......", "5", "5"},
        {"255 , 65535 , 1.3......", "5", "5", 255, 65535, "1.3......", "5", "5"},
        {"+255 -0 \"1.3......\"", "\"5\"", "\"\"", 255, 0, "1.3......", "5", ""},
        {"0 0 .........", "  \"7x\"  ", "9", 0, 0, ".........", "7x", "9"},
        {"-1 -2 1........", "35", "12", 0xFFFFFFFF, 0xFFFFFFFE, "1........", "35", "12"},
    };
    for (const Row& row : rows) {
        const SavedPuzzle read = ReadOk(
            WithLines(SavedPuzzle{}, {{LineA(40), row.a}, {LineB(40), row.b}, {LineC(40), row.c}}));
        const SavedCell& cell = read.cells[40];
        EXPECT_EQ(cell.foreColor, row.fore) << row.a;
        EXPECT_EQ(cell.backColor, row.back) << row.a;
        EXPECT_EQ(cell.flags.ToString(), row.flags) << row.a;
        EXPECT_EQ(cell.text, row.text) << row.b;
        EXPECT_EQ(cell.solution, row.solution) << row.c;
        EXPECT_EQ(read.cells[41], SavedCell{}) << "the next cell is read from its own lines";
    }
}

TEST(SavReader, OnlyMinusOneSetsTheGeneratedPuzzleFlag) {
    const std::pair<const char*, bool> rows[] = {
        {"-1 ", true}, {"-1", true},     {"   -1   ", true}, {" 0 ", false}, {"1", false},
        {"-2", false}, {"32767", false}, {"-32768", false},  {"+1", false},
    };
    for (const auto& [line1, flag] : rows) {
        SavedPuzzle puzzle = SamplePuzzle();
        EXPECT_EQ(ReadOk(WithLines(puzzle, {{1, line1}})).randomPuzzleGenerateFlag, flag) << line1;
    }
}

TEST(SavReader, IgnoresBytesAfterTheLastPaletteColour) {
    const SavedPuzzle puzzle = SamplePuzzle();
    const std::string written = WriteSavFile(puzzle);
    EXPECT_EQ(ReadOk(written + "more lines\r\nof anything, \"even open quotes\r\n"), puzzle);
    // The last line end is not needed either.
    EXPECT_EQ(ReadOk(written.substr(0, written.size() - 2)), puzzle);
}

struct Damage {
    const char* name;
    std::string bytes;
    int line;
    const char* reason; // part of the reason
};

std::vector<Damage> DamagedFiles() {
    const SavedPuzzle good = SamplePuzzle();
    const std::string written = WriteSavFile(good);
    const std::vector<std::string> lines = SplitCrLf(written);
    const auto firstLines = [&](std::size_t count) {
        return JoinLines(std::vector<std::string>(lines.begin(), lines.begin() + count), "\r\n");
    };
    const auto with = [&](std::map<int, std::string> replaced) {
        return WithLines(good, replaced);
    };
    return {
        {"empty file", "", 1, "the file is empty"},
        {"flag only", firstLines(1), 2,
         "the file ends early: the text colour of the cell at row "
         "1, column 1 is missing"},
        {"cut after 119 lines", firstLines(119), 120, "the file ends early"},
        {"cut after the last cell", firstLines(244), 245,
         "the file ends early: palette colour 1 is missing"},
        {"cut before the last palette colour", firstLines(259), 260,
         "palette colour 16 is missing"},
        {"cut after the first number of line A", written.substr(0, 5 + 3), 2,
         "the file ends early: the background colour"},
        {"cut after the candidate string", firstLines(1) + lines[1], 2,
         "the text of the cell at row 1, column 1 is missing"},
        {"flag is text", with({{1, "yes"}}), 1,
         "the generated-puzzle flag is not a number: \"yes\""},
        {"flag is empty", with({{1, ""}}), 1, "the generated-puzzle flag is missing"},
        {"flag too large", with({{1, "32768"}}), 1, "out of range (-32768 to 32767)"},
        {"text colour 12abc", with({{LineA(0), "12abc 0 123456789"}}), LineA(0),
         "the text colour of the cell at row 1, column 1 is not a number: \"12abc\""},
        {"empty line A", with({{LineA(1), ""}}), LineA(1),
         "the text colour of the cell at row 1, column 2 is missing: a number belongs here"},
        {"background colour is text", with({{LineA(1), "0 white 123456789"}}), LineA(1),
         "the background colour of the cell at row 1, column 2 is not a number: \"white\""},
        // A number field ends at the line end, so the missing number is
        // looked for, and missed, on the (empty) text line that follows.
        {"background colour missing", with({{LineA(1), "0"}}), LineB(1),
         "the background colour of the cell at row 1, column 2 is missing"},
        {"background colour 2^31", with({{LineA(80), "0 2147483648 123456789"}}), LineA(80),
         "the background colour of the cell at row 9, column 9 \"2147483648\" is out of range "
         "(-2147483648 to 2147483647)"},
        {"candidate string with a letter", with({{LineA(0), "0 0 12x456789"}}), LineA(0),
         "the candidate string of the cell at row 1, column 1 \"12x456789\" is not nine "
         "characters of digits at their own positions and dots"},
        {"candidate string missing", with({{LineA(5), "0 0"}}), LineB(5),
         "the candidate string of the cell at row 1, column 6 \"\" is not nine"},
        {"solution with a quoted comma", with({{LineC(7), "\"1,2\""}}), LineC(7),
         "the solution of the cell at row 1, column 8 \"1,2\" holds a comma, a double quote or "
         "a line break"},
        {"solution with a quoted line break", with({{LineC(7), "\"1"}, {LineC(7) + 1, "2\""}}),
         LineC(7), "\"1\\x0D\\x0A2\" holds a comma"},
        {"solution with a leading blank", with({{LineC(7), "\" 1\""}}), LineC(7),
         "starts or ends with a blank"},
        {"cell text with a quoted comma", with({{LineB(9), "\"3,4\""}}), LineB(9),
         "the text of the cell at row 2, column 1 \"3,4\" holds a comma"},
        {"cell text with a double quote", with({{LineB(9), "7\"x"}}), LineB(9),
         "\"7\"x\" holds a comma, a double quote"},
        {"cell text with a trailing blank", with({{LineB(9), "\"3 \""}}), LineB(9),
         "starts or ends with a blank"},
        {"quote never closed", with({{LineB(80), "\"5"}}), LineB(80),
         "the text of the cell at row 9, column 9 begins with a double quote that is never "
         "closed"},
        {"palette colour is text", with({{PaletteLine(15), "white"}}), PaletteLine(15),
         "palette colour 16 is not a number: \"white\""},
        {"palette colour out of range", with({{PaletteLine(0), "4294967295"}}), PaletteLine(0),
         "palette colour 1 \"4294967295\" is out of range"},
        {"control bytes are shown escaped", with({{LineA(2), "0 0 \x01\x7F\xC3\xA9"}}), LineA(2),
         "\"\\x01\\x7F\\xC3\\xA9\" is not nine"},
    };
}

TEST(SavReader, RejectsDamagedFilesNamingTheLine) {
    for (const Damage& damage : DamagedFiles()) {
        const SavReadResult result = ReadSavFile(damage.bytes);
        EXPECT_FALSE(result.puzzle.has_value()) << damage.name;
        EXPECT_EQ(result.error.line, damage.line) << damage.name << ": " << result.error.reason;
        EXPECT_NE(result.error.reason.find(damage.reason), std::string::npos)
            << damage.name << ": " << result.error.reason;
    }
}

TEST(SavReader, CountsLinesTheSameWhateverTheLineEnds) {
    for (const std::string lineEnd : {"\n", "\r"}) {
        for (const Damage& damage : DamagedFiles()) {
            std::string bytes;
            for (std::size_t i = 0; i < damage.bytes.size(); ++i) {
                if (damage.bytes.compare(i, 2, "\r\n") == 0) {
                    bytes += lineEnd;
                    ++i;
                } else {
                    bytes += damage.bytes[i];
                }
            }
            const SavReadResult result = ReadSavFile(bytes);
            EXPECT_FALSE(result.puzzle.has_value()) << damage.name;
            EXPECT_EQ(result.error.line, damage.line)
                << damage.name << " with line end " << int(lineEnd[0]);
        }
    }
}

// The reader's limits are set by the writer's largest output: a file the
// program saves must load again, however large the texts it loaded were.
TEST(SavLimits, TheWritersLargestFileLoadsAndAnythingMoreIsRefused) {
    SavedPuzzle largest;
    largest.randomPuzzleGenerateFlag = true;
    for (SavedCell& cell : largest.cells) {
        cell.foreColor = 0x80000000; // the longest number: "-2147483648 "
        cell.backColor = 0x80000000;
        cell.text = "5";
        cell.solution = "9";
    }
    largest.palette.fill(0x80000000);
    largest.cells[40].solution.resize(MaxSavTextBytes - 2 * CellCount + 1, '7');
    const std::string written = WriteSavFile(largest);
    EXPECT_EQ(written.size(), MaxSavFileSize) << "the file limit is the writer's largest output";
    EXPECT_EQ(ReadOk(written), largest);

    const SavReadResult tooLarge = ReadSavFile(written + " ");
    EXPECT_FALSE(tooLarge.puzzle.has_value());
    EXPECT_EQ(tooLarge.error.Message(),
              "the file is too large to be a puzzle file (1052289 bytes; at most 1052288)");

    // One text byte more, in a file made smaller by its line ends.
    SavedPuzzle more = largest;
    more.cells[80].solution = "99";
    const SavReadResult tooMuchText = ReadSavFile(JoinLines(SplitCrLf(WriteSavFile(more)), "\n"));
    EXPECT_FALSE(tooMuchText.puzzle.has_value());
    EXPECT_EQ(tooMuchText.error.line, LineC(80));
    EXPECT_EQ(
        tooMuchText.error.reason,
        "the solution of the cell at row 9, column 9 is too long: the cell and solution texts "
        "of a puzzle file hold at most 1048576 bytes in all");
}

TEST(SavReadError, MessageNamesTheLineFirst) {
    const SavReadResult result = ReadSavFile(WithLines(SamplePuzzle(), {{5, "0 x 123456789"}}));
    EXPECT_EQ(result.error.Message(), "line 5: the background colour of the cell at row 1, "
                                      "column 2 is not a number: \"x\"");
    EXPECT_EQ((SavReadError{0, "whole file"}).Message(), "whole file");
}

TEST(SavReader, LongFieldsAreCutShortInMessages) {
    const std::string longText = std::string(30, 'a') + std::string(1000, 'b');
    const SavReadResult result = ReadSavFile(WithLines(SamplePuzzle(), {{1, longText}}));
    EXPECT_EQ(result.error.Message(),
              "line 1: the generated-puzzle flag is not a number: \"aaaaaaaaaaaaaaaaaaaaaaaa...\"");
}

} // namespace
} // namespace tessra
