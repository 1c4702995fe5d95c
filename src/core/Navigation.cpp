#include "core/Navigation.h"

#include <algorithm>

namespace tessaro {

namespace {

bool softwarePartsInstalled(const GameState& state) {
    constexpr Slot kNeeded[] = {kMotherboard, kProcessor, kMemory, kHardDisk,
                                kVideo,       kMonitor,   kCdDvd};
    return std::all_of(std::begin(kNeeded), std::end(kNeeded),
                       [&](Slot slot) { return state.PartLevel[slot] != 0; });
}

// Whether the about window, opened from the main menu, pauses the game: no day passes while it
// shows, whatever opens and closes beside it.
bool aboutPausesTheGame(const GameState& state) {
    return state.window(WindowId::Form2).shown && !state.window(WindowId::Form1).shown;
}

// Whether days pass in the window in play, the pause aside.
bool daysPassInPlay(const GameState& state) {
    if (VirusEventUnderWay(state)) {
        return false;
    }
    if (state.window(WindowId::fInternet).shown) {
        return state.Connected;
    }
    constexpr WindowId kHoldingTheDay[] = {WindowId::fSoftware, WindowId::fComputer,
                                           WindowId::fEducation, WindowId::fJob, WindowId::Form3};
    return std::none_of(std::begin(kHoldingTheDay), std::end(kHoldingTheDay),
                        [&](WindowId id) { return state.window(id).shown; });
}

}  // namespace

UnlockChange unlockRuleChange(const GameState& game, int internetThreshold) {
    // Once a button is unlocked the rule has nothing left to do for it.
    UnlockChange change;
    const bool softwareUnlocked = game.SoftwareOpen && game.main.bSoftwareImageEnabled;
    change.software = !softwareUnlocked && softwarePartsInstalled(game);
    const bool internetUnlocked = game.InternetOpen && game.main.bInternetImageEnabled;
    change.internet = !internetUnlocked && (game.SoftwareOpen || change.software) &&
                      game.PartLevel[kModem] != 0 && game.StatusLevel > internetThreshold;
    return change;
}

void ApplyUnlockRule(GameState& game, int internetThreshold) {
    const UnlockChange change = unlockRuleChange(game, internetThreshold);
    if (change.software) {
        game.SoftwareOpen = true;
        game.main.bSoftwareImageEnabled = true;
    }
    if (change.internet) {
        game.InternetOpen = true;
        game.main.bInternetImageEnabled = true;
    }
}

bool VirusEventUnderWay(const GameState& state) {
    return state.window(WindowId::Form4).shown || state.timer(TimerId::tmFormClose).running;
}

void ShowAbout(GameState& state) {
    state.window(WindowId::Form2).shown = true;
    stopTimer(state, TimerId::tTime);
}

void ResumeDayClock(GameState& state) {
    if (daysPassInPlay(state) && !aboutPausesTheGame(state)) {
        startTimer(state, TimerId::tTime);
    }
}

void MainWindowActivated(Game& game) {
    ApplyUnlockRule(game, 0);
}

void CloseActivity(Game& game, WindowId activity) {
    game.window(activity).shown = false;
    // A virus event that came while the development or internet window was open gives the
    // main window and the clock back itself, at its end.
    if (VirusEventUnderWay(game)) {
        return;
    }
    game.window(WindowId::fMain).enabled = true;
    ResumeDayClock(game);
    MainWindowActivated(game);
}

void HideWindow(GameState& state, WindowId window) {
    state.window(window).shown = false;
}

void QuitProgram(Game& game) {
    stopAllTimers(game);
    game.shell.endProgram();
}

void RestartProgram(Game& game) {
    const TimerStates timers = game.timers;
    stopAllTimers(game);
    if (const std::optional<std::string> failure = game.shell.restartProgram()) {
        // No new game came: this one goes on where it stood, once the player knows why.
        game.shell.message(*failure, kGameTitle, MessageIcon::None);
        game.timers = timers;
    }
}

}  // namespace tessaro
