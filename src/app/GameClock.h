#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace tessaro {

// The game's time in milliseconds: the real clock since the program began (or a test's own),
// less the time in which the program could not run or waited for the player's answer. A
// program that was stopped (Ctrl+Z, kill -STOP) and is told so by SIGCONT plays at most
// kLongestCatchUp of the time since it last ran; one that is not told (a frozen machine, a
// debugger) plays at most that much past the wake-up it had asked for.
class GameClock {
  public:
    GameClock();

    std::int64_t now() const { return (waitedFrom_ ? *waitedFrom_ : realTime()) - paused_; }
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    // The most of an overdue wake-up that is played: a fifth of a game day. A busy moment, even
    // on a loaded machine, delays a wake-up by far less; a program that was stopped, frozen or
    // deep in swap finds its wake-up later than that, and the rest of that time is paused.
    static constexpr std::int64_t kLongestCatchUp = 500;

    // The program runs now, and will wake next at `wakeAt` (none: it sleeps until an event).
    void ran(std::optional<std::int64_t> wakeAt) {
        lastRan_ = now();
        wakeAt_ = wakeAt;
    }
    // Counts as paused what the program should not play of the time since it last ran.
    void pauseStoppedTime();

    // While the player's answer is awaited no game time passes. The waits may nest; the
    // outermost counts. True for the wait that began the outermost.
    bool startWaiting();
    void endWaiting();
    bool waiting() const { return waitedFrom_.has_value(); }

  private:
    std::int64_t realTime() const { return clock_ ? clock_() : elapsed_.elapsed(); }

    QElapsedTimer elapsed_;
    std::function<std::int64_t()> clock_;
    std::int64_t paused_ = 0;
    // The real time at which the outermost wait for the player's answer began.
    std::optional<std::int64_t> waitedFrom_;
    // The game time at which the program last ran, and its next wake-up then.
    std::int64_t lastRan_ = 0;
    std::optional<std::int64_t> wakeAt_;
};

}  // namespace tessaro
