#include <gtest/gtest.h>

#include "longplay/RandomPlayer.h"

namespace tessaro::testing {
namespace {

// A thousand game days of random play for each seed; every step checks what a player
// relies on. A failure names its seed, game and step.
TEST(LongPlayTest, AThousandDaysOfRandomPlayKeepEveryPromise) {
    std::map<std::string, int> reached;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        RandomPlayer player(seed);
        const std::string broken = player.play(1000);
        EXPECT_EQ(broken, "");
        for (const auto& [what, times] : player.reached()) {
            reached[what] += times;
        }
    }
    // The promises were checked all over the game, not only at its start.
    for (const char* what : {"an operating system installed", "a job taken", "a project started",
                             "a project sold or lost", "a connection", "a mission ended",
                             "a utility bought", "a virus", "a save and a load"}) {
        EXPECT_GT(reached[what], 0) << what;
    }
}

}  // namespace
}  // namespace tessaro::testing
