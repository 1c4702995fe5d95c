// libFuzzer over one of the checks of fuzz/Checks.h, named by TESSARO_FUZZ_CHECK when the
// fuzzer is built. See scripts/fuzz.sh.
#include <cstdio>
#include <cstdlib>

#include "fuzz/Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = tessaro::testing::TESSARO_FUZZ_CHECK(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
