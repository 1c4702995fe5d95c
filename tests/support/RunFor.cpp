#include "core/DayClock.h"
#include "support/RecordingShell.h"

namespace tessaro::testing {

void RunFor(Game& game, int milliseconds) {
    for (int elapsed = kTickMilliseconds; elapsed <= milliseconds; elapsed += kTickMilliseconds) {
        if (game.timer(TimerId::tTime)) {
            DayClockTick(game);
        }
    }
}

}  // namespace tessaro::testing
