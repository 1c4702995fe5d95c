#include "game/DayClock.h"

#include <algorithm>
#include <string>

#include "core/MainLabels.h"
#include "core/Navigation.h"
#include "core/Saturating.h"
#include "core/Text.h"
#include "development/Project.h"
#include "events/Virus.h"
#include "jobs/JobOffers.h"

namespace tessaro {

namespace {

constexpr int kLinuxProgrammerJob = 9;

void winGame(Game& game) {
    // The game is over: nothing may tick again, and only the congratulations remain.
    stopAllTimers(game);
    for (WindowState& window : game.windows) {
        window.shown = false;
    }
    game.window(WindowId::Form1).shown = true;
}

void loseGame(Game& game, const std::string& text) {
    // The timers stop before the message shows, so no tick can bring a second one.
    stopAllTimers(game);
    game.shell.message(text, kGameTitle, MessageIcon::Question);
    game.shell.endProgram();
}

}  // namespace

void ApplyStatusTable(GameState& state) {
    // The rows are tested in order and the last that matches wins; at exactly 150 none does.
    static constexpr std::string_view kTitles[] = {GAME_TEXT("Ламер"), GAME_TEXT("Пользователь"),
                                                   GAME_TEXT("Программист"), GAME_TEXT("Хакер")};
    int level = -1;
    if (state.Experience < 150) {
        level = 0;
    }
    if (state.Experience > 150) {
        level = 1;
    }
    if (state.Experience > 300) {
        level = 2;
    }
    if (state.Experience > 600) {
        level = 3;
    }
    if (level >= 0) {
        state.StatusLevel = level;
        setCaption(state.Status, kTitles[level]);
    }
}

void DayClockTick(Game& game) {
    // A won game is over at once: no loss, no mood point and no day end come after the win.
    if (game.Experience > kWinningExperience) {
        winGame(game);
        return;
    }
    if (game.Mood == 0) {
        loseGame(game, GAME_TEXT("У вас плохое настроение. К сожалению вы проиграли"));
        return;
    }
    if (game.Money < 0) {
        loseGame(game, GAME_TEXT("Закончились все деньги. К сожалению вы проиграли"));
        return;
    }

    ApplyUnlockRule(game, 1);

    // The status and experience only change with the experience.
    const bool experienceChanged = game.Experience != game.main.shownExperience;
    if (experienceChanged) {
        ApplyStatusTable(game);
        setCaption(game.main.lStatus, game.Status);
    }

    if (game.MoodTicks == kLastTickOfMoodPoint) {
        game.MoodTicks = 0;
        game.Mood = static_cast<std::uint8_t>(game.Mood - 1);
        game.main.gMood = game.Mood;
    } else {
        ++game.MoodTicks;
    }

    if (experienceChanged) {
        setCaption(game.main.lExpansion, game.Experience);
        game.main.shownExperience = game.Experience;
    }

    if (game.DayTicks == kLastTickOfDay) {
        EndOfDay(game);
    } else {
        ++game.DayTicks;
    }
}

int quietDayClockTicks(const GameState& state) {
    if (state.Experience > kWinningExperience || state.Mood == 0 || state.Money < 0 ||
        state.Experience != state.main.shownExperience || unlockRuleChange(state, 1).any()) {
        return 0;
    }
    // A counter outside its range (a tick that was never run) is left to the tick itself.
    if (state.MoodTicks < 0 || state.MoodTicks >= kLastTickOfMoodPoint || state.DayTicks < 0 ||
        state.DayTicks >= kLastTickOfDay) {
        return 0;
    }
    return std::min(kLastTickOfMoodPoint - state.MoodTicks, kLastTickOfDay - state.DayTicks);
}

void runQuietDayClockTicks(GameState& state, int count) {
    state.MoodTicks += count;
    state.DayTicks += count;
}

Warnings warningsOf(const GameState& state) {
    Warnings warnings;
    warnings.mood = state.Mood <= kLowMood ? 2 : state.Mood <= kInterviewMood ? 1 : 0;
    warnings.debt = state.Money < 0;
    return warnings;
}

void EndOfDay(Game& game) {
    if (game.VirusDay == game.Day) {
        VirusDayComes(game);
    }
    if (game.JobId == kLinuxProgrammerJob) {
        addSaturating(game.Experience, 1);
    }
    addSaturating(game.Day, 1);
    changeMoney(game, game.Wage);
    game.DayTicks = 0;
    game.main.lDay = std::to_string(game.Day);
    AdvanceProject(game);
}

}  // namespace tessaro
