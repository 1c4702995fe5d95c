#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/GameState.h"
#include "game/TimerTable.h"

namespace tessaro::testing {

// Game time for tests: the game's timers as a scheduler would run them. Every running timer
// fires at its due times, the earliest first, ties in TimerId order; intervals are read from
// the state as they change, and a timer started afresh counts its interval from that moment.
class VirtualTime {
  public:
    explicit VirtualTime(Game& game, std::span<const TimerTick> table = timerTicks());

    // Runs the timers for `milliseconds` of game time from now.
    void runFor(int milliseconds);
    std::int64_t now() const { return now_; }

  private:
    // Brings each timer's due time in line with the state after a tick or a rule.
    void follow();

    Game& game_;
    std::span<const TimerTick> table_;
    std::int64_t now_ = 0;
    std::array<std::int64_t, kTimerCount> due_{};
    std::array<bool, kTimerCount> scheduled_{};
    std::array<std::uint32_t, kTimerCount> startsSeen_{};
};

// Fires the running timers' ticks, in order, for `milliseconds` of game time.
void RunFor(Game& game, int milliseconds);

}  // namespace tessaro::testing
