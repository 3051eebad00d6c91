// Writes the seed corpus of SavFileFuzz into the directory given as the only
// argument: files the writer made ("valid-*.sav", which the reader must
// accept) and damaged copies of them ("damaged-*.sav", which it must
// reject). The corpus replay test holds the reader to those two prefixes.

#include "files/SavFile.h"
#include "support/SamplePuzzle.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace tessra;

// The same puzzle in a looser hand: commas between fields, quoted strings,
// runs of blanks, no trailing blank on the flag line.
std::string LooseForm(const SavedPuzzle& puzzle) {
    std::string out = puzzle.randomPuzzleGenerateFlag ? "-1\r\n" : "0\r\n";
    const auto number = [](std::uint32_t color) {
        return std::to_string(static_cast<std::int32_t>(color));
    };
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i) {
        const SavedCell& cell = puzzle.cells[i];
        out += "  " + number(cell.foreColor) + " ," + number(cell.backColor) + ",  \"" +
               cell.flags.ToString() + "\"\r\n";
        out += i % 2 == 0 ? "\"" + cell.text + "\"" : cell.text + "   ";
        out += "\r\n" + cell.solution + "\r\n";
    }
    for (const std::uint32_t color : puzzle.palette) {
        out += "   " + number(color) + "  \r\n";
    }
    return out;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: SavSeedCorpus <directory>\n", stderr);
        return 2;
    }
    const std::string directory = argv[1];
    const std::string empty = WriteSavFile(SavedPuzzle{});
    const std::string generated = WriteSavFile(test::SamplePuzzle());

    // Line A of cell 0 of the generated file, for targeted damage.
    const std::string lineA = generated.substr(5, generated.find("\r\n", 5) - 5);
    // Start of the (empty) text line of the last cell, before the solution
    // "8" and the 16 palette lines.
    const std::size_t lastText = generated.rfind("\r\n\r\n8\r\n") + 2;

    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"valid-empty-board.sav", empty},
        {"valid-generated.sav", generated},
        {"valid-lf-only.sav", Replaced(generated, "\r\n", "\n")},
        {"valid-cr-only.sav", Replaced(generated, "\r\n", "\r")},
        {"valid-commas-and-quotes.sav", LooseForm(test::SamplePuzzle())},
        {"valid-trailing-bytes.sav", generated + "anything after the palette\r\n"},
        {"damaged-truncated.sav", generated.substr(0, generated.size() / 2)},
        {"damaged-letter-in-number.sav", Replaced(generated, "-2147483643 ", "-21474x3643 ")},
        {"damaged-bad-candidates.sav", Replaced(generated, lineA, lineA.substr(0, 29) + "9")},
        // The text of the last cell opens a quote that nothing closes.
        {"damaged-open-quote.sav",
         generated.substr(0, lastText) + "\"" + generated.substr(lastText)},
        {"damaged-flag-out-of-range.sav", "99999" + generated.substr(3)},
        {"damaged-empty.sav", ""},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(directory + "/" + name, std::ios::binary);
        out << bytes;
        if (!out) {
            std::fprintf(stderr, "cannot write %s/%s\n", directory.c_str(), name.c_str());
            return 1;
        }
    }
    return 0;
}
