#include "files/SavFields.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tessra {
namespace {

TEST(SavNumber, WritesSignOrBlankDigitsAndOneTrailingBlank) {
    std::string out;
    for (const std::int64_t value : {0L, -1L, 16777215L, -2147483648L, 2147483647L, INT64_MIN}) {
        AppendSavNumber(out, value);
    }
    EXPECT_EQ(out, " 0 -1  16777215 -2147483648  2147483647 -9223372036854775808 ");
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
