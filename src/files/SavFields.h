#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessra {

// The text form of single fields in a .sav file: how a number is written, and
// how the reader cuts the text into number and string fields. The layout of
// the whole file (which field comes where) lives in SavFile.

// Appends a number the way the file writes every number: "-" for a negative
// value or one blank otherwise, the decimal digits, one trailing blank.
// 0 -> " 0 ", -1 -> "-1 ", 16777215 -> " 16777215 ".
void AppendSavNumber(std::string& out, std::int64_t value);

enum class SavNumberStatus { Ok, NotANumber, OutOfRange };

struct SavNumber {
    SavNumberStatus status = SavNumberStatus::NotANumber;
    std::int64_t value = 0;
};

// Reads the text of a number field: an optional "+" or "-", then one or more
// digits 0-9 and nothing else. A value outside [minimum, maximum] is
// OutOfRange, however many digits it has (digit strings of any length are
// read without overflow).
SavNumber ParseSavNumber(std::string_view text, std::int64_t minimum, std::int64_t maximum);

// One field as the reader cut it from the file.
struct SavField {
    enum class Kind {
        Present,   // text holds the field (without quotes)
        EndOfFile, // the file ended before the field began
        OpenQuote, // a quoted string has no closing double quote
    };
    Kind kind = Kind::EndOfFile;
    std::string_view text;
    int line = 1; // 1-based line on which the field begins
};

// Cuts the file into fields, one after another, by these rules:
// - blanks (spaces) before a field are skipped;
// - a number field ends at a blank, a comma, a line end or the end of the
//   file;
// - a string field ends at a comma, a line end or the end of the file; a line
//   end met first gives the empty string; trailing blanks are not part of it
//   (a person editing the file does not see them, so they must not count);
// - a string field that begins with a double quote runs to the next double
//   quote, across commas and line ends, and keeps everything between them;
// - after a field, following blanks and then one comma or one line end are
//   consumed.
// CR LF, LF alone and CR alone each count as one line end.
class SavFieldReader {
  public:
    explicit SavFieldReader(std::string_view bytes) : bytes_(bytes) {}

    SavField NextNumber();
    SavField NextString();

  private:
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    bool AtLineEnd() const;
    void SkipBlanks();
    // Consumes one CR LF, CR or LF if the reader stands on one.
    bool ConsumeLineEnd();
    // Skips the blanks before a field and notes its line; false, with the
    // field marked as missing, at the end of the file.
    bool StartField(SavField& field);
    void FinishField();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace tessra
