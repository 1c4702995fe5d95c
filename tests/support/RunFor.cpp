#include "support/RunFor.h"

namespace tessaro::testing {

void RunFor(Game& game, int milliseconds) {
    VirtualTime(game).runFor(milliseconds);
}

}  // namespace tessaro::testing
