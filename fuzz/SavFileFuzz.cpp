// Feeds arbitrary bytes to the .sav reader. Besides the sanitizers' checks,
// every file the reader accepts must survive a write and a second read
// unchanged, and the written form must itself be stable.

#include "files/SavFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tessra::SavReadResult first = tessra::ReadSavFile(bytes);
    if (!first.puzzle) {
        if (first.error.reason.empty()) {
            std::fputs("rejected without a reason\n", stderr);
            std::abort();
        }
        return 0;
    }
    const std::string written = tessra::WriteSavFile(*first.puzzle);
    const tessra::SavReadResult second = tessra::ReadSavFile(written);
    if (!second.puzzle) {
        std::fprintf(stderr, "the written file does not read back: %s\n",
                     second.error.Message().c_str());
        std::abort();
    }
    if (!(*second.puzzle == *first.puzzle)) {
        std::fputs("the puzzle changed on a write and a second read\n", stderr);
        std::abort();
    }
    if (tessra::WriteSavFile(*second.puzzle) != written) {
        std::fputs("writing the same puzzle twice gave different bytes\n", stderr);
        std::abort();
    }
    return 0;
}
