#pragma once

#include "core/GameState.h"

namespace tessaro {

inline constexpr int kLastTickOfDay = 240;        // a day is 241 ticks
inline constexpr int kLastTickOfMoodPoint = 180;  // a mood point is 181 ticks
inline constexpr int kWinningExperience = 1000;   // the game is won above it

// Sets the status title from the experience. At exactly 150 no row applies and the
// status stays what it was.
void ApplyStatusTable(GameState& state);

// The day clock is the one place where time moves the game on by itself, and the one place
// that calls into the other subsystems when a day ends: each has one entry function for it
// (the virus event's `VirusDayComes`, the project's `AdvanceProject`). A subsystem that
// needs the end of a day adds its entry function here, in the game's step order.

// One tick of the day clock `tTime`: win and loss, unlocking, status, mood, and every
// 241st tick the end of the day.
void DayClockTick(Game& game);

// How many ticks of the day clock from now change nothing but its own two counters: no win,
// no loss, nothing to unlock, no experience to show, no mood point lost and no day ended.
// The clock may run that many at once (`runQuietDayClockTicks`) and sleep until the next
// tick that the player can see. A rule that changes the state can end the quiet early, so
// the count holds only until the next rule.
int quietDayClockTicks(const GameState& state);
// Runs `count` quiet ticks at once, with the same result as `count` calls of DayClockTick.
void runQuietDayClockTicks(GameState& state, int count);

// The end of a game day, in the game's order: the virus day, the Linux programmer's
// experience, the day number, the wage, and the project in development.
void EndOfDay(Game& game);

// How near the player is to losing, as he should hear it when play brings him nearer: the mood
// at which no interview succeeds any more, then a mood a few days from losing; and a debt,
// which loses the game at the next tick.
struct Warnings {
    int mood = 0;  // 0, 1 at or below the interview's mood, 2 at or below kLowMood
    bool debt = false;
    bool operator==(const Warnings&) const = default;
};
inline constexpr int kLowMood = 10;
Warnings warningsOf(const GameState& state);

}  // namespace tessaro
