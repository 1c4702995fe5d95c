#pragma once

#include <cstddef>
#include <string>

#include "core/GameState.h"

namespace tessaro {

inline constexpr std::size_t kMaxNameLength = 255;

// The program has started: only the start window shows, asking for the player's name.
void ShowStartWindow(GameState& state);

// The player confirms his name in the start window. An empty name is refused with a
// message; any other starts a new game. Returns whether the game started.
bool StartGame(Game& game, const std::string& typedName);

}  // namespace tessaro
