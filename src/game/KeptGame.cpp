#include "game/KeptGame.h"

#include "game/DayClock.h"

namespace tessaro {

bool GameIsOver(const GameState& state) {
    return state.window(WindowId::Form1).shown || state.Experience > kWinningExperience ||
           state.Mood == 0 || state.Money < 0;
}

bool GameCanBeKept(const GameState& state) {
    if (!state.window(WindowId::fMain).shown || GameIsOver(state) ||
        state.window(WindowId::Form4).shown) {
        return false;
    }
    for (std::size_t timer = 0; timer < kTimerCount; ++timer) {
        if (state.timers[timer].running && static_cast<TimerId>(timer) != TimerId::tTime) {
            return false;
        }
    }
    return true;
}

}  // namespace tessaro
