#include "titles/AboutAndCongratulations.h"

#include "core/Navigation.h"

namespace tessaro {

void LeaveAbout(GameState& state) {
    // Whether the about window came from the congratulations, not the experience, tells if
    // the game runs: experience past 1000 that the clock has not yet seen must not leave the
    // clock stopped for good.
    state.window(WindowId::Form2).shown = false;
    if (state.window(WindowId::Form1).shown) {
        state.window(WindowId::Form1).enabled = true;
    } else {
        // The pause gives back exactly what it took: the day clock, where nothing else holds it
        // (an activity window the player opened beside it). The main window it never took.
        ResumeDayClock(state);
    }
}

void ShowAboutAfterWin(GameState& state) {
    state.window(WindowId::Form2).shown = true;
    state.window(WindowId::Form1).enabled = false;
}

}  // namespace tessaro
