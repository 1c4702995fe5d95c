#pragma once

#include "core/GameState.h"

// The main window's picture buttons and the activity windows they open.

namespace tessaro {

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

// A picture button opens its activity window. A locked button opens nothing, and neither
// does a button whose flag is false although a loaded game left it enabled.
void OpenActivity(Game& game, WindowId activity);

}  // namespace tessaro
