#include "files/SavFile.h"

#include "files/SavFields.h"

#include <limits>

namespace tessra {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t ZoneWidth = 14;

std::int64_t SignedColor(ColorValue color) {
    return static_cast<std::int32_t>(color);
}

// Pads line with blanks up to the next print-zone start strictly after its
// last character. Columns count from 1, zones start at 1, 15, 29, ...; a line
// of n characters ends at column n, so the next start is the smallest
// multiple of 14 that is >= n, plus one.
void PadToNextZone(std::string& out, std::size_t lineStart) {
    const std::size_t used = out.size() - lineStart;
    const std::size_t next = (used + ZoneWidth - 1) / ZoneWidth * ZoneWidth;
    out.append(next - used, ' ');
}

void AppendCell(std::string& out, const SavedCell& cell) {
    const std::size_t lineStart = out.size();
    AppendSavNumber(out, SignedColor(cell.foreColor));
    PadToNextZone(out, lineStart);
    AppendSavNumber(out, SignedColor(cell.backColor));
    PadToNextZone(out, lineStart);
    out += cell.flags.ToString();
    out += LineEnd;
    out += cell.text;
    out += LineEnd;
    out += cell.solution;
    out += LineEnd;
}

} // namespace

std::string WriteSavFile(const SavedPuzzle& puzzle) {
    std::string out;
    // 81 cells of about 45 bytes plus the flag and palette lines.
    out.reserve(4096);
    AppendSavNumber(out, puzzle.randomPuzzleGenerateFlag ? -1 : 0);
    out += LineEnd;
    for (const SavedCell& cell : puzzle.cells) {
        AppendCell(out, cell);
    }
    for (const ColorValue color : puzzle.palette) {
        AppendSavNumber(out, SignedColor(color));
        out += LineEnd;
    }
    return out;
}

std::string SavReadError::Message() const {
    if (line <= 0) {
        return reason;
    }
    return "line " + std::to_string(line) + ": " + reason;
}

namespace {

// Shows a piece of the file inside a message: quoted, cut to a readable
// length, with control and non-ASCII bytes written as \xNN so that the
// message itself stays plain text.
std::string Quoted(std::string_view text) {
    constexpr std::size_t Shown = 24;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < Shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            constexpr char Hex[] = "0123456789ABCDEF";
            out += "\\x";
            out.push_back(Hex[c >> 4]);
            out.push_back(Hex[c & 0xF]);
        }
    }
    if (text.size() > Shown) {
        out += "...";
    }
    out += '"';
    return out;
}

// Names a field for a message. Built only when a message is, so that reading
// a good file makes no strings it does not keep.
struct FieldName {
    enum class What { Flag, ForeColor, BackColor, Candidates, Text, Solution, Palette };
    What what;
    int index = 0; // cell index, or palette index

    std::string Describe() const {
        const std::string cell = "the cell at row " + std::to_string(RowOf(index) + 1) +
                                 ", column " + std::to_string(ColumnOf(index) + 1);
        switch (what) {
        case What::Flag:
            return "the generated-puzzle flag";
        case What::ForeColor:
            return "the text colour of " + cell;
        case What::BackColor:
            return "the background colour of " + cell;
        case What::Candidates:
            return "the candidate string of " + cell;
        case What::Text:
            return "the text of " + cell;
        case What::Solution:
            return "the solution of " + cell;
        case What::Palette:
            return "palette colour " + std::to_string(index + 1);
        }
        return "a field";
    }
};

// Reads the fields in the writer's order and stops at the first fault.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : fields_(bytes) {}

    bool Number(FieldName name, std::int64_t minimum, std::int64_t maximum, std::int64_t& value) {
        const SavField field = fields_.NextNumber();
        if (!Present(field, name)) {
            return false;
        }
        const SavNumber number = ParseSavNumber(field.text, minimum, maximum);
        switch (number.status) {
        case SavNumberStatus::Ok:
            value = number.value;
            return true;
        case SavNumberStatus::NotANumber:
            return Fail(field.line,
                        field.text.empty()
                            ? name.Describe() + " is missing: a number belongs here"
                            : name.Describe() + " is not a number: " + Quoted(field.text));
        case SavNumberStatus::OutOfRange:
            return Fail(field.line, name.Describe() + " " + Quoted(field.text) +
                                        " is out of range (" + std::to_string(minimum) + " to " +
                                        std::to_string(maximum) + ")");
        }
        return false;
    }

    bool Color(FieldName name, ColorValue& color) {
        std::int64_t value = 0;
        if (!Number(name, std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max(), value)) {
            return false;
        }
        color = static_cast<ColorValue>(static_cast<std::int32_t>(value));
        return true;
    }

    bool Candidates(FieldName name, CandidateString& flags) {
        const SavField field = fields_.NextString();
        if (!Present(field, name)) {
            return false;
        }
        const auto parsed = CandidateString::Parse(field.text);
        if (!parsed) {
            return Fail(field.line, name.Describe() + " " + Quoted(field.text) +
                                        " is not nine characters of digits at their own "
                                        "positions and dots, like \"12.4...89\"");
        }
        flags = *parsed;
        return true;
    }

    // A text that the writer puts on a line of its own, verbatim.
    bool LineText(FieldName name, std::string& text) {
        const SavField field = fields_.NextString();
        if (!Present(field, name)) {
            return false;
        }
        const std::string_view value = field.text;
        if (value.find_first_of(",\"\r\n") != std::string_view::npos) {
            return Fail(field.line, name.Describe() + " " + Quoted(value) +
                                        " holds a comma, a double quote or a line break, "
                                        "which a saved file cannot hold");
        }
        if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) {
            return Fail(field.line, name.Describe() + " " + Quoted(value) +
                                        " starts or ends with a blank, which a saved file "
                                        "cannot hold");
        }
        // A bound on the texts is a bound on what a save of this puzzle
        // writes; see MaxSavTextBytes.
        textBytes_ += value.size();
        if (textBytes_ > MaxSavTextBytes) {
            return Fail(field.line, name.Describe() +
                                        " is too long: the cell and solution "
                                        "texts of a puzzle file hold at most " +
                                        std::to_string(MaxSavTextBytes) + " bytes in all");
        }
        text.assign(value);
        return true;
    }

    const SavReadError& Error() const { return error_; }

  private:
    bool Present(const SavField& field, FieldName name) {
        switch (field.kind) {
        case SavField::Kind::Present:
            return true;
        case SavField::Kind::EndOfFile:
            return Fail(field.line, "the file ends early: " + name.Describe() + " is missing");
        case SavField::Kind::OpenQuote:
            return Fail(field.line,
                        name.Describe() + " begins with a double quote that is never closed");
        }
        return false;
    }

    bool Fail(int line, std::string reason) {
        error_.line = line;
        error_.reason = std::move(reason);
        return false;
    }

    SavFieldReader fields_;
    SavReadError error_;
    std::size_t textBytes_ = 0;
};

bool ReadCell(Reader& reader, int index, SavedCell& cell) {
    using What = FieldName::What;
    return reader.Color({What::ForeColor, index}, cell.foreColor) &&
           reader.Color({What::BackColor, index}, cell.backColor) &&
           reader.Candidates({What::Candidates, index}, cell.flags) &&
           reader.LineText({What::Text, index}, cell.text) &&
           reader.LineText({What::Solution, index}, cell.solution);
}

bool ReadPuzzle(Reader& reader, SavedPuzzle& puzzle) {
    std::int64_t flag = 0;
    if (!reader.Number({FieldName::What::Flag}, std::numeric_limits<std::int16_t>::min(),
                       std::numeric_limits<std::int16_t>::max(), flag)) {
        return false;
    }
    puzzle.randomPuzzleGenerateFlag = flag == -1;
    for (int i = 0; i < CellCount; ++i) {
        if (!ReadCell(reader, i, puzzle.cells[i])) {
            return false;
        }
    }
    for (int j = 0; j < PaletteSize; ++j) {
        if (!reader.Color({FieldName::What::Palette, j}, puzzle.palette[j])) {
            return false;
        }
    }
    return true;
}

} // namespace

SavReadResult ReadSavFile(std::string_view bytes) {
    SavReadResult result;
    if (bytes.size() > MaxSavFileSize) {
        result.error.reason = "the file is too large to be a puzzle file (" +
                              std::to_string(bytes.size()) + " bytes; at most " +
                              std::to_string(MaxSavFileSize) + ")";
        return result;
    }
    if (bytes.empty()) {
        result.error.line = 1;
        result.error.reason = "the file is empty";
        return result;
    }
    Reader reader(bytes);
    SavedPuzzle puzzle;
    if (!ReadPuzzle(reader, puzzle)) {
        result.error = reader.Error();
        return result;
    }
    result.puzzle = std::move(puzzle);
    return result;
}

} // namespace tessra
