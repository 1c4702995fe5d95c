#include "core/Timers.h"

#include "core/GameState.h"
#include "core/Tables.h"

namespace tessaro {

namespace {

// clang-format off
constexpr std::array<TimerDefinition, kTimerCount> kTimers = {{
    {TimerId::tTime,              "tTime",              kTickMilliseconds},
    {TimerId::tConnect,           "tConnect",           100},
    // The download's interval follows the modem, set when the internet window is shown.
    {TimerId::tSoftLoad,          "tSoftLoad",          150},
    {TimerId::tFTPhack,           "tFTPhack",           1000},
    {TimerId::tFTPnARChack,       "tFTPnARChack",       1000},
    {TimerId::tCompHack,          "tCompHack",          1000},
    {TimerId::tCompHacknDownload, "tCompHacknDownload", 1000},
    {TimerId::tDeface,            "tDeface",            1000},
    {TimerId::tmFormClose,        "tmFormClose",        2000},
}};
// clang-format on

constexpr bool everyIntervalIsSet() {
    for (const TimerDefinition& row : kTimers) {
        if (row.interval <= 0) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFollowTheirIds(kTimers), "one row per timer, in TimerId order");
static_assert(everyIntervalIsSet(), "every timer has an interval");

TimerState& timerOf(GameState& state, TimerId id) {
    return state.timers[static_cast<std::size_t>(id)];
}

}  // namespace

const std::array<TimerDefinition, kTimerCount>& timerDefinitions() {
    return kTimers;
}

const TimerDefinition& timerDefinition(TimerId id) {
    return kTimers[static_cast<std::size_t>(id)];
}

TimerStates initialTimers() {
    TimerStates timers{};
    for (const TimerDefinition& row : kTimers) {
        timers[static_cast<std::size_t>(row.id)].interval = row.interval;
    }
    return timers;
}

void startTimer(GameState& state, TimerId id) {
    TimerState& timer = timerOf(state, id);
    if (!timer.running) {
        timer.running = true;
        ++timer.starts;
    }
}

void stopTimer(GameState& state, TimerId id) {
    timerOf(state, id).running = false;
}

void setTimerInterval(GameState& state, TimerId id, int milliseconds) {
    TimerState& timer = timerOf(state, id);
    if (timer.interval == milliseconds) {
        return;
    }
    timer.interval = milliseconds;
    if (timer.running) {
        ++timer.starts;
    }
}

void stopAllTimers(GameState& state) {
    for (TimerState& timer : state.timers) {
        timer.running = false;
    }
}

}  // namespace tessaro
