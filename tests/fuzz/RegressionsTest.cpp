#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/Checks.h"

namespace tessaro::testing {
namespace {

std::vector<std::uint8_t> contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The fuzzers' seed corpus and every input they ever found, run as ordinary tests.
void checkFolder(const char* kind, std::string (*check)(const std::uint8_t*, std::size_t)) {
    int checked = 0;
    for (const char* set : {"corpus", "regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(TESSARO_FUZZ_DIR) / set / kind;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == ".keep") {
                continue;
            }
            const std::vector<std::uint8_t> input = contents(entry.path());
            EXPECT_EQ(check(input.data(), input.size()), "") << entry.path();
            ++checked;
        }
    }
    EXPECT_GT(checked, 0) << kind;
}

TEST(FuzzRegressionsTest, EverySavedGameInputIsReadOrRefusedCleanly) {
    checkFolder("saved", &checkSavedGameInput);
}

TEST(FuzzRegressionsTest, EveryLoadedGamePlaysOnWithoutOverflow) {
    checkFolder("play", &checkSavedGamePlay);
}

TEST(FuzzRegressionsTest, EveryAcceptedNameComesBackFromASavedGame) {
    checkFolder("names", &checkNameInput);
}

}  // namespace
}  // namespace tessaro::testing
