#pragma once

#include "core/GameState.h"

namespace tessaro {

// The last game, kept by itself in one slot so that leaving, a crash or the end of the desktop's
// session never loses it. A game can be kept once it has started and as long as it is not over,
// while nothing is under way that a load would not give back (the virus, a call, a mission, a
// download); days that pass in the development window are kept with the project they advance.
bool GameCanBeKept(const GameState& state);

// Whether the game is over: won, or lost at the clock's next tick. A game over is not kept.
bool GameIsOver(const GameState& state);

// The least play between two writes of the slot during play, in milliseconds of game time: a
// crash loses at most that much.
inline constexpr std::int64_t kKeepEvery = 30000;

}  // namespace tessaro
