#pragma once

#include <string>

#include "core/GameState.h"

namespace tessaro {

// The program has started: only the start window shows, asking for the player's name.
void ShowStartWindow(GameState& state);

// The player confirms his name in the start window. An empty name is refused with a
// message; any other starts a new game. Returns whether the game started.
bool StartGame(Game& game, const std::string& typedName);

// The program was started with a saved game: a new game loaded from that file at once, the
// start window skipped, the name taken from the file. A file that does not load shows why
// and changes nothing; the program then starts as usual. Returns whether the game started.
bool StartGameFromFile(Game& game, const std::string& path);

}  // namespace tessaro
