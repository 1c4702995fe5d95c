#pragma once

#include "game/Scheduler.h"

namespace tessaro::testing {

// Game time for tests: the program's own scheduler, moved on by the test.
using VirtualTime = Scheduler;

// Fires the running timers' ticks, in order, for `milliseconds` of game time.
void RunFor(Game& game, int milliseconds);

}  // namespace tessaro::testing
