#pragma once

#include <random>

#include "core/GameState.h"

namespace tessaro::testing {

// A game somewhere in its life, drawn around every edge the day clock knows: experience about
// to win or just shown, mood and money at their ends, parts that unlock a button, counters
// anywhere in their range, a virus day near or far, the Linux programmer's job.
inline void scatterClockState(GameState& state, std::mt19937& random) {
    const auto pick = [&random](std::initializer_list<int> values) {
        return *(values.begin() +
                 std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random));
    };
    const auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    state.Experience = pick({0, 149, 150, 151, 400, 999, 1000, 1001});
    state.main.shownExperience = chance(80) ? state.Experience : state.Experience - 1;
    state.Mood = static_cast<std::uint8_t>(pick({0, 1, 2, 60, 255}));
    state.Money = pick({-1, 0, 3, 500});
    state.Wage = pick({-4, 0, 1, 25});
    state.JobId = static_cast<std::uint8_t>(pick({0, 9}));
    state.Day = pick({1, 5, 39});
    state.VirusDay = pick({5, 40, 41});
    for (std::uint8_t& level : state.PartLevel) {
        level = chance(90) ? 1 : 0;
    }
    state.StatusLevel = pick({0, 1, 2, 3});
    state.SoftwareOpen = state.main.bSoftwareImageEnabled = chance(50);
    state.InternetOpen = state.main.bInternetImageEnabled = chance(30);
    state.MoodTicks = std::uniform_int_distribution<int>(0, 180)(random);
    state.DayTicks = std::uniform_int_distribution<int>(0, 240)(random);
}

}  // namespace tessaro::testing
