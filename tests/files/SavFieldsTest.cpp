#include "files/SavFields.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace tessra {
namespace {

TEST(SavNumber, WritesSignOrBlankDigitsAndOneTrailingBlank) {
    struct Row {
        std::int64_t value;
        const char* written;
    };
    const Row rows[] = {
        {0, " 0 "},
        {-1, "-1 "},
        {7, " 7 "},
        {16777215, " 16777215 "},
        {-2147483643, "-2147483643 "},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648 "},
        {std::numeric_limits<std::int32_t>::max(), " 2147483647 "},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808 "},
    };
    for (const Row& row : rows) {
        std::string out = "x";
        AppendSavNumber(out, row.value);
        EXPECT_EQ(out, std::string("x") + row.written) << row.value;
    }
}

TEST(SavNumber, ReadsOnlyASignAndDigitsWithinTheRange) {
    constexpr std::int64_t Min = -32768;
    constexpr std::int64_t Max = 32767;
    struct Row {
        const char* text;
        SavNumberStatus status;
        std::int64_t value;
    };
    const Row rows[] = {
        {"0", SavNumberStatus::Ok, 0},
        {"-1", SavNumberStatus::Ok, -1},
        {"+12", SavNumberStatus::Ok, 12},
        {"-0", SavNumberStatus::Ok, 0},
        {"0007", SavNumberStatus::Ok, 7},
        {"32767", SavNumberStatus::Ok, 32767},
        {"-32768", SavNumberStatus::Ok, -32768},
        {"32768", SavNumberStatus::OutOfRange, 0},
        {"-32769", SavNumberStatus::OutOfRange, 0},
        {"99999999999999999999999999999999", SavNumberStatus::OutOfRange, 0},
        {"-99999999999999999999999999999999", SavNumberStatus::OutOfRange, 0},
        {"", SavNumberStatus::NotANumber, 0},
        {"-", SavNumberStatus::NotANumber, 0},
        {"+", SavNumberStatus::NotANumber, 0},
        {"+-3", SavNumberStatus::NotANumber, 0},
        {"--3", SavNumberStatus::NotANumber, 0},
        {"12abc", SavNumberStatus::NotANumber, 0},
        {"1.5", SavNumberStatus::NotANumber, 0},
        {"1e3", SavNumberStatus::NotANumber, 0},
        {"&HFF", SavNumberStatus::NotANumber, 0},
        {"3-", SavNumberStatus::NotANumber, 0},
        {"\"5\"", SavNumberStatus::NotANumber, 0},
        {"99999999999999999999999x", SavNumberStatus::NotANumber, 0},
    };
    for (const Row& row : rows) {
        const SavNumber number = ParseSavNumber(row.text, Min, Max);
        EXPECT_EQ(number.status, row.status) << row.text;
        if (row.status == SavNumberStatus::Ok) {
            EXPECT_EQ(number.value, row.value) << row.text;
        }
    }
}

TEST(SavNumber, ColourRangeIsTheSigned32BitRange) {
    constexpr std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(ParseSavNumber("-2147483648", Min, Max).value, Min);
    EXPECT_EQ(ParseSavNumber("2147483647", Min, Max).value, Max);
    EXPECT_EQ(ParseSavNumber("2147483648", Min, Max).status, SavNumberStatus::OutOfRange);
    EXPECT_EQ(ParseSavNumber("-2147483649", Min, Max).status, SavNumberStatus::OutOfRange);
    EXPECT_EQ(ParseSavNumber("4294967295", Min, Max).status, SavNumberStatus::OutOfRange);
}

// 'N' reads a number field, 'S' a string field; each expected field is
// "<line>:<text>", "<line>:EOF" or "<line>:OPEN".
std::vector<std::string> Cut(std::string_view bytes, std::string_view kinds) {
    SavFieldReader reader(bytes);
    std::vector<std::string> fields;
    for (const char kind : kinds) {
        const SavField field = kind == 'N' ? reader.NextNumber() : reader.NextString();
        std::string shown = std::to_string(field.line) + ":";
        switch (field.kind) {
        case SavField::Kind::Present:
            shown += field.text;
            break;
        case SavField::Kind::EndOfFile:
            shown += "EOF";
            break;
        case SavField::Kind::OpenQuote:
            shown += "OPEN";
            break;
        }
        fields.push_back(shown);
    }
    return fields;
}

TEST(SavFieldReader, CutsFieldsAtBlanksCommasAndLineEnds) {
    struct Row {
        const char* name;
        std::string bytes;
        const char* kinds;
        std::vector<std::string> fields;
    };
    const std::vector<Row> rows = {
        {"written line A",
         " 0            -2147483643   123456789\r\n",
         "NNS",
         {"1:0", "1:-2147483643", "1:123456789"}},
        {"commas", "0,-5,12.4...89\r\n", "NNS", {"1:0", "1:-5", "1:12.4...89"}},
        {"blanks around commas",
         "  0 ,  -5 ,  12.4...89  \r\n",
         "NNS",
         {"1:0", "1:-5", "1:12.4...89"}},
        {"empty lines give empty strings", "\r\n\r\nx\r\n", "SSS", {"1:", "2:", "3:x"}},
        {"LF only", "1\n\n2\nab\n", "NSNS", {"1:1", "2:", "3:2", "4:ab"}},
        {"CR only", "1\r\r2\rab\r", "NSNS", {"1:1", "2:", "3:2", "4:ab"}},
        {"LF CR is two line ends", "a\n\rb", "SSS", {"1:a", "2:", "3:b"}},
        {"string keeps inner blanks, drops outer ones", "   a b  c   \r\n", "S", {"1:a b  c"}},
        {"string ends at a comma", "ab,cd\r\n", "SS", {"1:ab", "1:cd"}},
        {"a comma then a line end leaves an empty field",
         "7,\r\n8\r\n",
         "SSS",
         {"1:7", "1:", "2:8"}},
        {"quoted string keeps commas, blanks and line ends",
         "\" a,b\r\nc \"\r\nz",
         "SS",
         {"1: a,b\r\nc ", "3:z"}},
        {"quoted empty string", "\"\"\r\nz", "SS", {"1:", "2:z"}},
        {"text after a closing quote is the next field", "\"ab\"cd\r\n", "SS", {"1:ab", "1:cd"}},
        {"quote inside an unquoted string is plain text", "7\"x\r\n", "S", {"1:7\"x"}},
        {"number ends at a blank", "12 34\r\n", "NN", {"1:12", "1:34"}},
        {"number field keeps letters", "12abc 5", "NN", {"1:12abc", "1:5"}},
        {"empty number field at a line end", "\r\n5", "NN", {"1:", "2:5"}},
        {"last field without a line end", "3\r\n4", "NN", {"1:3", "2:4"}},
        {"end of file before a field", "3\r\n", "NN", {"1:3", "2:EOF"}},
        {"end of file after blanks", "3\r\n   ", "NS", {"1:3", "2:EOF"}},
        {"unclosed quote", "1\r\n\"abc\r\ndef", "NS", {"1:1", "2:OPEN"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Cut(row.bytes, row.kinds), row.fields) << row.name;
    }
}

} // namespace
} // namespace tessra
