#pragma once

#include "core/GameState.h"

namespace tessaro {

// A click on "Попытаться продать проект": five times in nine the project sells for its
// price; otherwise the mood drops by 5. Either way the project is gone.
void TrySell(Game& game);

}  // namespace tessaro
