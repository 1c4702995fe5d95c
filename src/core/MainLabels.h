#pragma once

#include <cstdint>

#include "core/GameState.h"
#include "core/Saturating.h"
#include "core/Text.h"

namespace tessaro {

// The player spends (a negative amount) or earns money, and the main window's label shows the
// new sum at once.
inline void changeMoney(GameState& state, std::int64_t amount) {
    addSaturating(state.Money, amount);
    setCaption(state.main.lMoney, state.Money);
}

// The experience label shows `Experience` now, and the day clock's next tick writes it anew.
inline void showExperience(GameState& state) {
    setCaption(state.main.lExpansion, state.Experience);
    state.main.shownExperience = kNothingShown;
}

}  // namespace tessaro
