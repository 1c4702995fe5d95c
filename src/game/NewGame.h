#pragma once

#include "core/GameState.h"

namespace tessaro {

// Puts the player at the start of a game: 500 dollars, no computer, the unemployment
// benefit, and the day clock running. Runs once per run of the program.
void NewGame(GameState& game);

}  // namespace tessaro
