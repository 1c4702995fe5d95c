#pragma once

#include <array>

#include "core/GameState.h"

namespace tessaro {

// What one timer's tick runs: the rule of the subsystem that the timer drives.
struct TimerTick {
    TimerId id;
    void (*tick)(Game& game);
};

// One row per timer, in TimerId order.
const std::array<TimerTick, kTimerCount>& timerTicks();

}  // namespace tessaro
