#include "events/Virus.h"

namespace tessaro {

void VirusDayComes(Game& game) {
    game.Randomize();
    game.VirusDay = game.Day + 40 + game.Random(30);
}

}  // namespace tessaro
