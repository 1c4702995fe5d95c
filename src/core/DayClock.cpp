#include "core/DayClock.h"

#include <string>

#include "core/Navigation.h"
#include "development/Project.h"
#include "events/Virus.h"

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
    if (state.Experience < 150) {
        state.StatusLevel = 0;
        state.Status = "Ламер";
    }
    if (state.Experience > 150) {
        state.StatusLevel = 1;
        state.Status = "Пользователь";
    }
    if (state.Experience > 300) {
        state.StatusLevel = 2;
        state.Status = "Программист";
    }
    if (state.Experience > 600) {
        state.StatusLevel = 3;
        state.Status = "Хакер";
    }
}

void DayClockTick(Game& game) {
    if (game.Experience > kWinningExperience) {
        winGame(game);
    }
    if (game.Mood == 0) {
        loseGame(game, "У вас плохое настроение. К сожалению вы проиграли");
        return;
    }
    if (game.Money < 0) {
        loseGame(game, "Закончились все деньги. К сожалению вы проиграли");
        return;
    }

    ApplyUnlockRule(game, 1);

    ApplyStatusTable(game);
    game.main.lStatus = game.Status;

    if (game.MoodTicks == kLastTickOfMoodPoint) {
        game.MoodTicks = 0;
        game.Mood = static_cast<std::uint8_t>(game.Mood - 1);
        game.main.gMood = game.Mood;
    } else {
        ++game.MoodTicks;
    }

    game.main.lExpansion = std::to_string(game.Experience);

    if (game.DayTicks == kLastTickOfDay) {
        EndOfDay(game);
    } else {
        ++game.DayTicks;
    }
}

void EndOfDay(Game& game) {
    if (game.VirusDay == game.Day) {
        VirusDayComes(game);
    }
    if (game.JobId == kLinuxProgrammerJob) {
        ++game.Experience;
    }
    ++game.Day;
    game.Money += game.Wage;
    game.main.lMoney = std::to_string(game.Money);
    game.DayTicks = 0;
    game.main.lDay = std::to_string(game.Day);
    AdvanceProject(game);
}

}  // namespace tessaro
