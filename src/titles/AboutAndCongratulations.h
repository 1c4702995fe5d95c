#pragma once

#include "core/GameState.h"

namespace tessaro {

// Menu "О программе..." (ShowAbout) is the main window's, in core/Navigation.h.

// "Выход" of the about window: back to the running game, or to the congratulations.
void LeaveAbout(GameState& state);

// "О программе..." of the congratulations window, which waits disabled until the about
// window is left.
void ShowAboutAfterWin(GameState& state);

}  // namespace tessaro
