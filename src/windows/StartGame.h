#pragma once

#include <string>

#include "core/GameState.h"

namespace tessaro {

inline constexpr std::size_t kMaxNameLength = 255;

// The player confirms his name in the start window. An empty name is refused with a
// message; any other starts a new game. Returns whether the game started.
bool StartGame(Game& game, const std::string& typedName);

// "Выход" of the about window: back to the running game, or to the congratulations.
void LeaveAbout(Game& game);

// "О программе..." of the congratulations window.
void ShowAboutAfterWin(Game& game);

}  // namespace tessaro
