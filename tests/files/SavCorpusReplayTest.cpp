// Replays the fuzzing seed corpus (and every input the fuzzer once found and
// we added there) through the reader in the normal build.

#include "files/SavFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>

namespace tessra {
namespace {

TEST(SavCorpusReplay, EveryCorpusFileIsReadOrRejectedAsItsNameSays) {
    std::map<bool, int> files; // named "valid-" (true) or "damaged-" (false)
    for (const auto& entry : std::filesystem::directory_iterator(TESSRA_SAV_CORPUS_DIR)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        const SavReadResult result = ReadSavFile(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        if (name.starts_with("valid-") || name.starts_with("damaged-")) {
            ++files[name.starts_with("valid-")];
            EXPECT_EQ(result.puzzle.has_value(), name.starts_with("valid-"))
                << name << ": " << result.error.Message();
        }
        // Whatever is accepted must survive a write and a second read.
        EXPECT_TRUE(result.puzzle
                        ? ReadSavFile(WriteSavFile(*result.puzzle)).puzzle == result.puzzle
                        : !result.error.reason.empty())
            << name;
    }
    EXPECT_GE(files[true], 3) << "corpus at " << TESSRA_SAV_CORPUS_DIR;
    EXPECT_GE(files[false], 3) << "corpus at " << TESSRA_SAV_CORPUS_DIR;
}

} // namespace
} // namespace tessra
