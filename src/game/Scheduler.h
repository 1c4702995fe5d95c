#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "game/TimerTable.h"

namespace tessaro {

// The game's timers in game time, counted in milliseconds. Every running timer fires at its
// due times, the earliest first, ties in TimerId order; intervals are read from the state as
// they change, and a timer started afresh counts its interval from that moment. Ticks that
// change nothing the player sees run together, with the same result as one by one. The
// tests run it as they please; the program moves it on with the real clock.
class Scheduler {
  public:
    explicit Scheduler(Game& game, std::span<const TimerTick> table = timerTicks());

    // Runs every tick due by `time`, then stands at `time`, and says how many ticks it ran
    // one by one (the ticks that the player can see). A tick's own message box, whose event
    // loop could call it again, holds the clock: nothing runs until the box closes.
    int runUntil(std::int64_t time);
    void runFor(int milliseconds) { runUntil(now_ + milliseconds); }
    std::int64_t now() const { return now_; }

    // Brings each timer's due time in line with the state after a rule that ran at `time`: a
    // timer started afresh counts its interval from then.
    void follow(std::int64_t time);
    // When the next tick that can change what the player sees is due; none while no timer
    // runs. Ticks due before it may be run later, together, or whenever something else
    // happens first.
    std::optional<std::int64_t> nextVisibleTick() const;

    bool scheduled(TimerId id) const { return scheduled_[index(id)]; }
    std::int64_t due(TimerId id) const { return due_[index(id)]; }

  private:
    static std::size_t index(TimerId id) { return static_cast<std::size_t>(id); }
    std::int64_t intervalOf(std::size_t i) const;
    // The earliest tick due by `end`, or nullptr.
    const TimerTick* nextDue(std::int64_t end) const;
    // How many quiet ticks of `row` may run at once by `end`: up to the next tick of any
    // other timer, which may change what is quiet.
    std::int64_t quietRun(const TimerTick& row, std::int64_t end) const;

    Game& game_;
    std::span<const TimerTick> table_;
    std::int64_t now_ = 0;
    bool running_ = false;
    std::array<std::int64_t, kTimerCount> due_{};
    std::array<bool, kTimerCount> scheduled_{};
    std::array<std::uint32_t, kTimerCount> startsSeen_{};
};

}  // namespace tessaro
