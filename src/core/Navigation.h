#pragma once

#include "core/GameState.h"

namespace tessaro {

// Unlocks the software button once the seven parts it needs are installed, then the internet
// button once a modem is in and the status is above `internetThreshold`. Never locks again.
void ApplyUnlockRule(GameState& game, int internetThreshold);

// The flag that enables the picture button of an activity window, or nullptr for a button
// that is never locked.
const bool* buttonEnabledFlag(const GameState& state, WindowId activity);
// Whether the picture button of an activity window takes the pointer and clicks.
bool ButtonUnlocked(const GameState& state, WindowId activity);
// Whether the button rests on its locked picture. The pictures follow the flags, which a
// saved game may set apart from the buttons' enabled state.
bool ButtonShowsLocked(const GameState& state, WindowId activity);

// The main window was shown after a new game: the first virus day is drawn.
void MainWindowShown(Game& game);
// The main window became the active window again.
void MainWindowActivated(Game& game);

// A picture button opens its activity window. A locked button opens nothing, and neither
// does a button whose flag is false although a loaded game left it enabled.
void OpenActivity(Game& game, WindowId activity);
// An activity window closes, by its return label or its close box.
void CloseActivity(Game& game, WindowId activity);

// The close box of a window that has nothing more to do on closing: it only hides.
void HideWindow(GameState& state, WindowId window);

// "Выход", the main window's close box: the program ends without saving or asking.
void QuitProgram(Game& game);
// "Новая": a fresh copy of the program replaces this one.
void RestartProgram(Game& game);

}  // namespace tessaro
