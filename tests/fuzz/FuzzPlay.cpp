// libFuzzer: arbitrary bytes as a saved game, played on. See scripts/fuzz.sh.
#include <cstdio>
#include <cstdlib>

#include "fuzz/Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = tessaro::testing::checkSavedGamePlay(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
