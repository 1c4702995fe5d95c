#pragma once

#include <array>

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kActivityCount = 5;

// A way to spend an evening, with its price and what it does for the mood.
struct Activity {
    const char* control;
    const char* caption;
    const char* costText;
    int price;
    int moodGain;
};

const std::array<Activity, kActivityCount>& activities();

// A click on an activity: with more money than its price, the mood rises (past 100, but
// never past 255) and the money falls.
void DoActivity(Game& game, int index);

}  // namespace tessaro
