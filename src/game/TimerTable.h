#pragma once

#include <array>

#include "core/GameState.h"

namespace tessaro {

// What one timer's tick runs: the rule of the subsystem that the timer drives. A timer most of
// whose ticks change nothing that the player sees also says how many ticks from now are
// quiet, and runs that many at once.
struct TimerTick {
    TimerId id;
    void (*tick)(Game& game);
    int (*quietTicks)(const GameState& state) = nullptr;
    void (*runQuietTicks)(GameState& state, int count) = nullptr;
};

// One row per timer, in TimerId order.
const std::array<TimerTick, kTimerCount>& timerTicks();

}  // namespace tessaro
