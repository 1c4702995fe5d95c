#include "secondary/AboutAndCongratulations.h"

#include "core/DayClock.h"

namespace tessaro {

void ShowAbout(GameState& state) {
    state.window(WindowId::Form2).shown = true;
    stopTimer(state, TimerId::tTime);
}

void LeaveAbout(GameState& state) {
    if (state.Experience <= kWinningExperience) {
        state.window(WindowId::fMain).enabled = true;
        startTimer(state, TimerId::tTime);
    } else {
        state.window(WindowId::Form1).enabled = true;
    }
    state.window(WindowId::Form2).shown = false;
}

void ShowAboutAfterWin(GameState& state) {
    state.window(WindowId::Form2).shown = true;
    state.window(WindowId::Form1).enabled = false;
}

}  // namespace tessaro
