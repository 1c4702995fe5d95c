#pragma once

#include <cstdint>
#include <functional>

namespace tessaro {

// Where a reseed takes its new seed from: the program reads a high-resolution clock,
// tests hand in fixed numbers so that every draw is known.
using SeedSource = std::function<std::uint32_t()>;

// The game's one linear congruential generator. Its sequence is part of the game: the same
// seed gives the same busy lines, missions and viruses.
class LcgRandom {
  public:
    explicit LcgRandom(SeedSource seedSource);

    // A uniform draw in 0..n-1 (n > 0).
    int Random(int n);
    // Takes a fresh seed from the seed source.
    void Randomize();

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

  private:
    SeedSource seedSource_;
    std::uint32_t seed_ = 0;
};

}  // namespace tessaro
