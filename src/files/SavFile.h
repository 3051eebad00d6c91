#pragma once

#include "board/CandidateString.h"
#include "board/Cell.h"
#include "board/ColorValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The whole working state of a puzzle as a .sav file carries it.
struct SavedCell {
    ColorValue foreColor = 0;
    ColorValue backColor = SystemWindowBackground;
    CandidateString flags; // the cell's candidate string
    std::string text;      // cell text as stored in the file
    std::string solution;  // solution text as stored in the file

    friend bool operator==(const SavedCell&, const SavedCell&) = default;
};

struct SavedPuzzle {
    bool randomPuzzleGenerateFlag = false;
    CellArray<SavedCell> cells;
    IndexedArray<ColorValue, PaletteSize> palette{};

    friend bool operator==(const SavedPuzzle&, const SavedPuzzle&) = default;
};

// The file, byte for byte: 260 lines, each ending in CR LF, nothing after the
// last CR LF.
//
//   line 1            the flag: "-1 " when set, " 0 " otherwise
//   lines 2..244      per cell 0..80, three lines:
//                       A  fore colour, back colour, candidate string
//                       B  cell text, verbatim
//                       C  solution text, verbatim
//   lines 245..260    the 16 palette colours, one number per line
//
// A number is "-" (negative) or one blank (zero or more), the decimal digits
// and one trailing blank; colours are written as the signed 32-bit integers
// they are, so 0x80000005 is "-2147483643 ".
//
// Line A is laid out in print zones of 14 columns starting at columns 1, 15,
// 29, ...: every item starts at a zone start, and after an item the next one
// starts at the first zone start strictly after the item's last character.
// The longest number, "-2147483648 ", is 12 characters, so in practice the
// numbers take columns 1-14 and 15-28 and the candidate string starts at
// column 29; the line ends right after it:
//
//   " 0            -2147483643   123456789"
std::string WriteSavFile(const SavedPuzzle& puzzle);

// Every file the writer produces from a puzzle the reader accepted must read
// back, so the two limits below are one rule. The writer's output is the
// cell and solution texts plus a layout of bounded size: the flag line, per
// cell line A (always 37 characters) and three line ends, and the palette
// lines at their longest ("-2147483648 " and CR LF). The reader takes texts
// of at most MaxSavTextBytes in all and files of at most MaxSavFileSize, so
// the largest file the writer can make from what the reader took is still a
// file the reader takes. Any file of 1 MiB or less holds at most 1 MiB of
// texts, so it loads as well.
inline constexpr std::size_t MaxSavTextBytes = std::size_t{1024} * 1024;
inline constexpr std::size_t MaxSavLayoutBytes =
    std::size_t{5} + std::size_t{CellCount} * (37 + 3 * 2) + std::size_t{PaletteSize} * 14;
inline constexpr std::size_t MaxSavFileSize = MaxSavTextBytes + MaxSavLayoutBytes;

// Where and why a file could not be read. line is 1-based; 0 when the fault
// is the file as a whole (its size).
struct SavReadError {
    int line = 0;
    std::string reason;

    // "line 5: <reason>", or the bare reason when no line is concerned:
    // ready to show to the user.
    std::string Message() const;
};

// Either a fully validated puzzle, or no puzzle and the first fault found.
struct SavReadResult {
    std::optional<SavedPuzzle> puzzle;
    SavReadError error;
};

// Reads and validates a whole file before returning anything, so a caller
// never applies half a file. Fields are cut as SavFieldReader describes and
// checked against the layout above:
// - the flag must be a 16-bit signed number; -1 sets it, any other value
//   clears it;
// - colours must be numbers in -2147483648..2147483647;
// - candidate strings must be nine characters, each the digit of its own
//   position or ".";
// - cell and solution texts are taken as they are (the board cleans cell
//   texts when it applies them), except a text the writer could not write
//   back so that it reads the same: one holding a comma, a double quote, a
//   CR or an LF, or starting or ending with a blank (possible only through a
//   quoted string);
// - the cell and solution texts hold at most MaxSavTextBytes in all;
// - anything after the last palette colour is ignored.
SavReadResult ReadSavFile(std::string_view bytes);

} // namespace tessra
