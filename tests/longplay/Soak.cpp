// Long random play from the command line: `longplay [DAYS] [SEEDS] [FIRST_SEED]`. Prints
// each seed's run and ends with 1 when a promise was broken; the seed replays it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "longplay/RandomPlayer.h"

int main(int argc, char* argv[]) {
    const int days = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 10;
    const unsigned first = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
    int failures = 0;
    for (unsigned seed = first; seed < first + static_cast<unsigned>(seeds); ++seed) {
        tessaro::testing::RandomPlayer player(seed);
        const std::string broken = player.play(days);
        std::printf("seed %u: %d days in %d games, %d steps: %s\n", seed, days,
                    player.gamesPlayed(), player.stepsTaken(),
                    broken.empty() ? "every promise kept" : broken.c_str());
        failures += broken.empty() ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
