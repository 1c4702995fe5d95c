#pragma once

#include "core/GameState.h"

namespace tessaro {

// The day clock's entry into the virus event, at the end of the drawn virus day: the next
// virus day is drawn 40 to 69 days later, from a fresh seed.
void VirusDayComes(Game& game);

}  // namespace tessaro
