#pragma once

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kTickMilliseconds = 10;
inline constexpr int kLastTickOfDay = 240;        // a day is 241 ticks
inline constexpr int kLastTickOfMoodPoint = 180;  // a mood point is 181 ticks
inline constexpr int kWinningExperience = 1000;   // the game is won above it

// Sets the status title from the experience. At exactly 150 no row applies and the
// status stays what it was.
void ApplyStatusTable(GameState& state);

// One tick of the day clock `tTime`: win and loss, unlocking, status, mood, and every
// 241st tick the end of the day.
void DayClockTick(Game& game);

// The end of a game day: virus day, the Linux programmer's experience, wage, day number
// and the project in development.
void EndOfDay(Game& game);

}  // namespace tessaro
