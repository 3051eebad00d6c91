// Replays the fuzzing seed corpus (and every input the fuzzer once found and
// we added there) through the reader in the normal build.

#include "files/SavFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace tessra {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SavCorpusReplay, EveryCorpusFileIsReadOrRejectedAsItsNameSays) {
    int valid = 0;
    int damaged = 0;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TESSRA_SAV_CORPUS_DIR)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        ++files;
        const std::string name = entry.path().filename().string();
        const std::string bytes = ReadBytes(entry.path());
        const SavReadResult result = ReadSavFile(bytes);
        if (name.starts_with("valid-")) {
            ++valid;
            EXPECT_TRUE(result.puzzle.has_value()) << name << ": " << result.error.Message();
        } else if (name.starts_with("damaged-")) {
            ++damaged;
            EXPECT_FALSE(result.puzzle.has_value()) << name;
        }
        if (result.puzzle) {
            // Whatever is accepted must survive a write and a second read.
            const SavReadResult again = ReadSavFile(WriteSavFile(*result.puzzle));
            ASSERT_TRUE(again.puzzle.has_value()) << name << ": " << again.error.Message();
            EXPECT_TRUE(*again.puzzle == *result.puzzle) << name;
        } else {
            EXPECT_FALSE(result.error.reason.empty()) << name;
        }
    }
    EXPECT_GE(valid, 3) << "corpus at " << TESSRA_SAV_CORPUS_DIR;
    EXPECT_GE(damaged, 3) << "corpus at " << TESSRA_SAV_CORPUS_DIR;
    RecordProperty("files", files);
}

} // namespace
} // namespace tessra
