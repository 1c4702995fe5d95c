#pragma once

#include "core/GameState.h"

namespace tessaro {

// Unlocks the software button once the seven parts it needs are installed, then the internet
// button once a modem is in and the status is above `internetThreshold`. Never locks again.
void ApplyUnlockRule(GameState& game, int internetThreshold);

// What the unlock rule would unlock now; nothing when it has nothing to do.
struct UnlockChange {
    bool software = false;
    bool internet = false;
    bool any() const { return software || internet; }
};
UnlockChange unlockRuleChange(const GameState& game, int internetThreshold);

// The activity windows, which open over the main window from its picture buttons.
inline constexpr WindowId kActivityWindows[] = {
    WindowId::fInternet, WindowId::fSoftware,  WindowId::fComputer, WindowId::fEducation,
    WindowId::fJob,      WindowId::fDeveloper, WindowId::Form3};

// Whether a virus event is under way: the window waits for a choice, or shows its result.
// It holds the main window and the day clock until its end.
bool VirusEventUnderWay(const GameState& state);

// Menu "О программе...": the about window, with the day clock stopped and the main window
// still usable.
void ShowAbout(GameState& state);

// A window gives the day clock back: it runs again where days pass in the window in play (the
// main window, the development window, the internet window while online; never while a virus
// event is under way), unless the about window pauses the game.
void ResumeDayClock(GameState& state);

// The main window became the active window again.
void MainWindowActivated(Game& game);

// An activity window closes, by its return label or its close box.
void CloseActivity(Game& game, WindowId activity);

// The close box of a window that has nothing more to do on closing: it only hides.
void HideWindow(GameState& state, WindowId window);

// "Выход", the main window's close box: the program ends without saving or asking.
void QuitProgram(Game& game);
// "Новая": a fresh copy of the program replaces this one; where none can start, this game goes
// on and the player is told why.
void RestartProgram(Game& game);

}  // namespace tessaro
