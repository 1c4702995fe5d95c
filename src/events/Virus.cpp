#include "events/Virus.h"

#include <algorithm>

#include "core/Navigation.h"
#include "core/Saturating.h"
#include "development/Project.h"
#include "software/Installation.h"

namespace tessaro {

namespace {

// Both choices close once one is made: a second choice could undo the first.
void closeTheChoice(GameState& state) {
    state.virus.choiceMade = true;
    state.virus.killEnabled = false;
    state.virus.leaveEnabled = false;
}

}  // namespace

void VirusDayComes(Game& game) {
    game.Randomize();
    game.VirusDay = saturatingSum(game.Day, 40 + game.Random(30));
    game.window(WindowId::fMain).enabled = false;
    // The virus window holds the window it interrupts: an activity window open over the main
    // window (the development window, or the internet window while online, where days pass)
    // waits greyed beneath it as well.
    for (const WindowId activity : kActivityWindows) {
        if (game.window(activity).shown) {
            game.window(activity).enabled = false;
        }
    }
    stopTimer(game, TimerId::tTime);
    game.virus = VirusCaptions{};
    game.window(WindowId::Form4).shown = true;
}

void VirusDayAfterLoad(Game& game) {
    if (game.Day > game.VirusDay) {
        game.Randomize();
        game.VirusDay = saturatingSum(game.Day, 40 + game.Random(30));
    }
}

void VirusShown(GameState& state) {
    if (!state.virus.choiceMade) {
        state.virus.killEnabled = state.AvId != 0;
    }
}

void KillVirus(Game& game) {
    if (!game.virus.killEnabled) {
        return;
    }
    closeTheChoice(game);
    game.Randomize();
    switch (game.AvId) {
        case 1:
            game.VirusKillDraw = static_cast<std::uint8_t>(1 + game.Random(3));
            break;
        case 2:
            game.VirusKillDraw = static_cast<std::uint8_t>(1 + game.Random(14));
            break;
        case 3:
            game.VirusKillDraw = 0;
            break;
        default:
            break;
    }
    if (game.VirusKillDraw == 1) {
        VirusStrike(game);
    } else {
        game.virus.lKill = GAME_TEXT("Вам удалось уничтожить вирус.");
    }
    startTimer(game, TimerId::tmFormClose);
}

void LeaveVirus(Game& game) {
    if (!game.virus.leaveEnabled) {
        return;
    }
    closeTheChoice(game);
    VirusStrike(game);
    startTimer(game, TimerId::tmFormClose);
}

void CloseVirusWindow(Game& game) {
    if (!game.virus.choiceMade) {
        LeaveVirus(game);
    }
    HideWindow(game, WindowId::Form4);
}

void VirusStrike(Game& game) {
    if (game.OsId == 0) {
        game.virus.lKill = GAME_TEXT("Вирус не причинил вреда.");
        return;
    }
    game.virus.lKill = GAME_TEXT("Накрылась операционная система.");
    loseSystem(game);
    loseProject(game);
}

void EndVirusEvent(Game& game) {
    game.window(WindowId::Form4).shown = false;
    stopTimer(game, TimerId::tmFormClose);
    game.virus.lKill.clear();
    // The event gives back what it interrupted: the activity window that was open over the
    // main window, or else the main window.
    for (const WindowId activity : kActivityWindows) {
        game.window(activity).enabled = true;
    }
    if (std::none_of(std::begin(kActivityWindows), std::end(kActivityWindows),
                     [&game](WindowId activity) { return game.window(activity).shown; })) {
        game.window(WindowId::fMain).enabled = true;
    }
    ResumeDayClock(game);
}

}  // namespace tessaro
