#pragma once

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kProjectDays = 10;

// The daily step of the project in development: one more day of work, or, after ten days,
// the finished project waiting to be sold.
void AdvanceProject(Game& game);

}  // namespace tessaro
