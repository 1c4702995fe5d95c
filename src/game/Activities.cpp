#include "game/Activities.h"

#include "core/Navigation.h"

namespace tessaro {

const bool* buttonEnabledFlag(const GameState& state, WindowId activity) {
    switch (activity) {
        case WindowId::fSoftware:
            return &state.main.bSoftwareImageEnabled;
        case WindowId::fInternet:
            return &state.main.bInternetImageEnabled;
        default:
            return nullptr;
    }
}

bool ButtonUnlocked(const GameState& state, WindowId activity) {
    const bool* enabled = buttonEnabledFlag(state, activity);
    return enabled == nullptr || *enabled;
}

bool ButtonShowsLocked(const GameState& state, WindowId activity) {
    switch (activity) {
        case WindowId::fSoftware:
            return !state.SoftwareOpen;
        case WindowId::fInternet:
            return !state.InternetOpen;
        default:
            return false;
    }
}

void MainWindowShown(Game& game) {
    game.Randomize();
    game.VirusDay = 40 + game.Random(30);
}

void OpenActivity(Game& game, WindowId activity) {
    if (!ButtonUnlocked(game, activity) || ButtonShowsLocked(game, activity)) {
        return;
    }
    game.window(WindowId::fMain).enabled = false;
    // Days go on passing while the player writes programs.
    if (activity != WindowId::fDeveloper) {
        stopTimer(game, TimerId::tTime);
    }
    game.window(activity).shown = true;
}

}  // namespace tessaro
