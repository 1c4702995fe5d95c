#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessaro {

struct GameState;

// The game's unit of time: the day clock's tick.
inline constexpr int kTickMilliseconds = 10;

// Every timer of the game, in the order in which ticks that fall due together fire.
enum class TimerId {
    tTime,      // the day clock
    tConnect,   // dialling
    tSoftLoad,  // a utility's download
    tFTPhack,   // the five break-in missions
    tFTPnARChack,
    tCompHack,
    tCompHacknDownload,
    tDeface,
    tmFormClose,  // the virus window closes itself
};
inline constexpr std::size_t kTimerCount = 9;

// One timer: its name and its interval when the program starts. What its tick runs is the
// game's (game/TimerTable.h).
struct TimerDefinition {
    TimerId id;
    const char* name;
    int interval;  // milliseconds
};

// One row per timer, in TimerId order.
const std::array<TimerDefinition, kTimerCount>& timerDefinitions();
const TimerDefinition& timerDefinition(TimerId id);

// What the game knows of one timer. A rule that starts a stopped timer raises `starts`, so
// that a timer stopped and started again within one event counts its interval afresh.
struct TimerState {
    bool running = false;
    int interval = 0;
    std::uint32_t starts = 0;

    bool operator==(const TimerState&) const = default;
};

using TimerStates = std::array<TimerState, kTimerCount>;

// All timers stopped, each with the interval of its row.
TimerStates initialTimers();

// Starting a running timer changes nothing, as with the game's own timers; a changed
// interval restarts a running timer with its full new interval.
void startTimer(GameState& state, TimerId id);
void stopTimer(GameState& state, TimerId id);
void setTimerInterval(GameState& state, TimerId id, int milliseconds);
void stopAllTimers(GameState& state);

}  // namespace tessaro
