#include "core/Random.h"

#include <utility>

namespace tessaro {

LcgRandom::LcgRandom(SeedSource seedSource) : seedSource_(std::move(seedSource)) {}

int LcgRandom::Random(int n) {
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's own modulus.
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t product = std::uint64_t{seed_} * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
}

void LcgRandom::Randomize() {
    seed_ = seedSource_ ? seedSource_() : 0u;
}

}  // namespace tessaro
