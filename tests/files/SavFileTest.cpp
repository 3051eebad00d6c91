// The .sav codec: numbers and fields, the writer byte for byte, and what the
// reader accepts and refuses.

#include "files/SavFile.h"

#include "files/SavFields.h"
#include "support/SamplePuzzle.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tessra {
namespace {

using test::SamplePuzzle;

// Lines (1-based) of a cell in the file: A colours and candidates, B text, C solution.
struct Line {
    static int A(int cell) { return 2 + 3 * cell; }
    static int B(int cell) { return 3 + 3 * cell; }
    static int C(int cell) { return 4 + 3 * cell; }
};

// The sample puzzle as written, cut after `count` lines, with some lines replaced.
std::string Sample(const std::map<int, std::string>& replaced, int count = 260) {
    const std::string written = WriteSavFile(SamplePuzzle());
    std::string file;
    for (std::size_t line = 1, start = 0, end; int(line) <= count; ++line, start = end + 2) {
        end = written.find("\r\n", start);
        file += replaced.contains(int(line)) ? replaced.at(int(line))
                                             : written.substr(start, end - start);
        file += "\r\n";
    }
    return file;
}

// The bytes with their CR LFs replaced by the given line ends in turn.
std::string Relined(std::string bytes, const std::vector<std::string>& ends) {
    for (std::size_t at = 0, k = 0; (at = bytes.find("\r\n", at)) != std::string::npos; ++k) {
        bytes.replace(at, 2, ends[k % ends.size()]);
        at += ends[k % ends.size()].size();
    }
    return bytes;
}

SavedPuzzle ReadOk(const std::string& bytes) {
    const SavReadResult result = ReadSavFile(bytes);
    EXPECT_TRUE(result.puzzle.has_value()) << result.error.Message();
    return result.puzzle.value_or(SavedPuzzle{});
}

// Line A starts every item at the next 14-column print zone.
TEST(SavWriter, WritesEachFieldOnItsLineByteForByte) {
    SavedPuzzle puzzle;
    puzzle.randomPuzzleGenerateFlag = true;
    puzzle.cells[0] = {0, 0x80000005, CandidateString::All(), "5", "5"};
    puzzle.cells[1] = {1, 22, *CandidateString::Parse("1.3......"), "", "7"};
    puzzle.cells[2] = {0x80000000, 0x7FFFFFFF, CandidateString::None(), "35", ""};
    puzzle.cells[3] = {0xFFFFFFFF, 1234567890, CandidateString::All(), "", ""};
    puzzle.cells[4] = {99999, 0xFFFFFF, CandidateString::All(), "", ""};
    puzzle.palette[0] = 0x80000005;
    puzzle.palette[15] = 16777215;
    std::string expected = "-1 \r\n"
                           " 0            -2147483643   123456789\r\n5\r\n5\r\n"
                           " 1             22           1.3......\r\n\r\n7\r\n"
                           "-2147483648    2147483647   .........\r\n35\r\n\r\n"
                           "-1             1234567890   123456789\r\n\r\n\r\n"
                           " 99999         16777215     123456789\r\n\r\n\r\n";
    for (int i = 5; i < CellCount; ++i) {
        expected += " 0            -2147483643   123456789\r\n\r\n\r\n";
    }
    expected += "-2147483643 \r\n";
    for (int j = 1; j < PaletteSize - 1; ++j) {
        expected += " 0 \r\n";
    }
    EXPECT_EQ(WriteSavFile(puzzle), expected + " 16777215 \r\n");
}

// Any line ends, mixed too; nothing after the last palette colour counts,
// not even its line end.
TEST(SavReader, ReadsBackWhatWasWrittenWhateverTheLineEnds) {
    SavedPuzzle oddTexts = SamplePuzzle();
    oddTexts.cells[4].text = "35";
    oddTexts.cells[6].text = "a  b";
    oddTexts.cells[7].solution = "12";
    oddTexts.cells[8].text = "\t9";
    for (const SavedPuzzle& puzzle : {SavedPuzzle{}, oddTexts}) {
        const std::string written = WriteSavFile(puzzle);
        for (const std::string& bytes :
             {written, Relined(written, {"\r\n", "\n", "\r"}),
              written.substr(0, written.size() - 2),
              written + "more lines\r\nof anything, \"even open quotes\r\n"}) {
            EXPECT_EQ(ReadOk(bytes), puzzle);
        }
    }
}

TEST(SavReader, OnlyMinusOneSetsTheGeneratedPuzzleFlag) {
    const std::pair<const char*, bool> rows[] = {
        {"-1", true},  {"   -1   ", true}, {" 0 ", false},   {"1", false},
        {"+1", false}, {"32767", false},   {"-32768", false}};
    for (const auto& [line, flag] : rows) {
        EXPECT_EQ(ReadOk(Sample({{1, line}})).randomPuzzleGenerateFlag, flag) << line;
    }
}

TEST(SavReader, RefusesADamagedFileNamingItsLineWhateverTheLineEnds) {
    const std::string written = WriteSavFile(SamplePuzzle());
    const struct {
        std::string bytes;
        int line;
        const char* reason; // part of the reason
    } rows[] = {
        {"", 1, "the file is empty"},
        {Sample({}, 1), 2,
         "the file ends early: the text colour of the cell at row 1, column 1 is missing"},
        {Sample({}, 244), 245, "the file ends early: palette colour 1 is missing"},
        {written.substr(0, 8), 2, "the file ends early: the background colour"},
        {written.substr(0, 5 + 37), 2, "the text of the cell at row 1, column 1 is missing"},
        {Sample({{1, ""}}), 1, "the generated-puzzle flag is missing"},
        {Sample({{1, "32768"}}), 1, "out of range (-32768 to 32767)"},
        {Sample({{1, std::string(24, 'a')}}), 1, "number: \"aaaaaaaaaaaaaaaaaaaaaaaa\""},
        {Sample({{1, std::string(25, 'a') + std::string(1000, 'b')}}), 1,
         "flag is not a number: \"aaaaaaaaaaaaaaaaaaaaaaaa...\""},
        {Sample({{Line::A(1), ""}}), Line::A(1),
         "the text colour of the cell at row 1, column 2 is missing: a number belongs here"},
        // A number ends at the line end, so the missing one is looked for,
        // and missed, on the (empty) text line that follows.
        {Sample({{Line::A(1), "0"}}), Line::B(1),
         "the background colour of the cell at row 1, column 2 is missing"},
        {Sample({{Line::A(80), "0 2147483648 123456789"}}), Line::A(80),
         "the background colour of the cell at row 9, column 9 \"2147483648\" is out of range "
         "(-2147483648 to 2147483647)"},
        {Sample({{Line::A(0), "0 0 12x456789"}}), Line::A(0),
         "the candidate string of the cell at row 1, column 1 \"12x456789\" is not nine "
         "characters of digits at their own positions and dots"},
        {Sample({{Line::A(5), "0 0"}}), Line::B(5),
         "the candidate string of the cell at row 1, column 6 \"\" is not nine"},
        {Sample({{Line::C(7), "\"1,2\""}}), Line::C(7),
         "the solution of the cell at row 1, column 8 \"1,2\" holds a comma, a double quote or "
         "a line break"},
        {Sample({{Line::C(7), "\"1"}, {Line::C(7) + 1, "2\""}}), Line::C(7),
         "\"1\\x0D\\x0A2\" holds a comma"},
        {Sample({{Line::C(7), "\" 1\""}}), Line::C(7), "\" 1\" starts or ends with a blank"},
        {Sample({{Line::B(9), "7\"x"}}), Line::B(9),
         "the text of the cell at row 2, column 1 \"7\"x\" holds a comma, a double quote"},
        {Sample({{Line::B(80), "\"5"}}), Line::B(80),
         "the text of the cell at row 9, column 9 begins with a double quote that is never "
         "closed"},
        {Sample({{245, "4294967295"}}), 245, "palette colour 1 \"4294967295\" is out of range"},
        {Sample({{Line::A(2), "0 0 \x01\x7F\xC3\xA9"}}), Line::A(2),
         "\"\\x01\\x7F\\xC3\\xA9\" is not nine"}};
    for (const std::string lineEnd : {"\r\n", "\n", "\r"}) {
        for (const auto& row : rows) {
            const SavReadResult result = ReadSavFile(Relined(row.bytes, {lineEnd}));
            EXPECT_EQ(result.error.line, row.line) << result.error.reason;
            EXPECT_TRUE(lineEnd != "\r\n" ||
                        result.error.reason.find(row.reason) != std::string::npos)
                << result.error.reason;
        }
    }
}

// The reader's limits are set by the writer's largest output: a file the
// program saves must load again, however large the texts it loaded were.
TEST(SavReader, TheWritersLargestFileLoadsAndAnythingMoreIsRefused) {
    SavedPuzzle largest;
    largest.randomPuzzleGenerateFlag = true;
    largest.cells.fill({0x80000000, 0x80000000, CandidateString::All(), "5", "9"});
    largest.palette.fill(0x80000000); // the longest number: "-2147483648 "
    largest.cells[40].solution.resize(MaxSavTextBytes - 2 * CellCount + 1, '7');
    const std::string written = WriteSavFile(largest);
    EXPECT_EQ(written.size(), MaxSavFileSize);
    EXPECT_EQ(ReadOk(written), largest);
    // Written compactly by another tool, it loads, and saved it grows back.
    EXPECT_EQ(WriteSavFile(ReadOk(Relined(written, {"\n"}))), written);
    EXPECT_EQ(ReadSavFile(written + " ").error.Message(),
              "the file is too large to be a puzzle file (1052289 bytes; at most 1052288)");

    // One text byte more, in a file made smaller by its line ends.
    SavedPuzzle more = largest;
    more.cells[80].solution = "99";
    const SavReadResult tooMuchText = ReadSavFile(Relined(WriteSavFile(more), {"\n"}));
    EXPECT_EQ(tooMuchText.error.Message(),
              "line 244: the solution of the cell at row 9, column 9 is too long: the cell and "
              "solution texts of a puzzle file hold at most 1048576 bytes in all");
}

TEST(SavNumber, ReadsOnlyASignAndDigitsWithinTheRange) {
    const std::string huge = "99999999999999999999"; // past any 64-bit integer
    // The value read, R for out of range, N for not a number.
    const std::pair<std::string, const char*> rows[] = {
        {"0", "0"},         {"-1", "-1"},         {"+12", "12"},  {"-0", "0"},     {"0007", "7"},
        {"32767", "32767"}, {"-32768", "-32768"}, {"32768", "R"}, {"-32769", "R"}, {huge, "R"},
        {"-" + huge, "R"},  {huge + "x", "N"},    {"", "N"},      {"-", "N"},      {"+", "N"},
        {"+-3", "N"},       {"--3", "N"},         {"12abc", "N"}, {"1.5", "N"},    {"1e3", "N"},
        {"&HFF", "N"},      {"3-", "N"},          {"\"5\"", "N"}};
    for (const auto& [text, expected] : rows) {
        const SavNumber number = ParseSavNumber(text, -32768, 32767);
        EXPECT_EQ(number.status == SavNumberStatus::Ok           ? std::to_string(number.value)
                  : number.status == SavNumberStatus::OutOfRange ? "R"
                                                                 : "N",
                  expected)
            << text;
    }
}

// Cuts fields of the kinds given ('N' number, 'S' string) and shows each as
// "<line>:<text>", "<line>:EOF" or "<line>:OPEN", joined by "|".
std::string Cut(std::string_view bytes, std::string_view kinds) {
    SavFieldReader reader(bytes);
    std::string shown;
    for (const char kind : kinds) {
        const SavField field = kind == 'N' ? reader.NextNumber() : reader.NextString();
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
        // about a literal added to a temporary string.
        shown.append(shown.empty() ? "" : "|").append(std::to_string(field.line)).append(":");
        shown.append(field.kind == SavField::Kind::Present     ? field.text
                     : field.kind == SavField::Kind::EndOfFile ? "EOF"
                                                               : "OPEN");
    }
    return shown;
}

TEST(SavFieldReader, CutsFieldsAtBlanksCommasAndLineEnds) {
    const struct {
        std::string bytes;
        const char* kinds;
        const char* fields;
    } rows[] = {
        {" 0            -2147483643   123456789\r\n", "NNS", "1:0|1:-2147483643|1:123456789"},
        {"0,-5,12.4...89\r\n", "NNS", "1:0|1:-5|1:12.4...89"},
        {"  0 ,  -5 ,  12.4...89  \r\n", "NNS", "1:0|1:-5|1:12.4...89"},
        {"\r\n\r\nx\r\n", "SSS", "1:|2:|3:x"},
        {"1\n\n2\nab\n", "NSNS", "1:1|2:|3:2|4:ab"},
        {"1\r\r2\rab\r", "NSNS", "1:1|2:|3:2|4:ab"},
        {"a\n\rb", "SSS", "1:a|2:|3:b"}, // LF CR is two line ends
        {"   a b  c   \r\n", "S", "1:a b  c"},
        {"ab,cd\r\n", "SS", "1:ab|1:cd"},
        {"7,\r\n8\r\n", "SSS", "1:7|1:|2:8"},
        {"\" a,b\r\nc \r\n\"\r\nz", "SS", "1: a,b\r\nc \r\n|4:z"},
        {"\"\"\r\nz", "SS", "1:|2:z"},
        {"\"ab\"cd\r\n", "SS", "1:ab|1:cd"},
        {"7\"x\r\n", "S", "1:7\"x"},
        {"12 34\r\n", "NN", "1:12|1:34"},
        {"12abc 5", "NN", "1:12abc|1:5"},
        {"\r\n5", "NN", "1:|2:5"},
        {"3\r\n4", "NN", "1:3|2:4"},
        {"3\r\n", "NN", "1:3|2:EOF"},
        {"3\r\n   ", "NS", "1:3|2:EOF"},
        {"1\r\n\"abc\r\ndef", "NS", "1:1|2:OPEN"}};
    for (const auto& row : rows) {
        EXPECT_EQ(Cut(row.bytes, row.kinds), row.fields) << row.bytes;
    }
}

} // namespace
} // namespace tessra
