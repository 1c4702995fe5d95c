#include "game/NewGame.h"

#include <string>

#include "core/MainLabels.h"
#include "core/Text.h"
#include "software/Installation.h"

namespace tessaro {

void NewGame(GameState& game) {
    game.Day = 1;
    game.Experience = 0;
    game.StatusLevel = 0;
    game.Status = GAME_TEXT("Ламер");

    game.InternetOpen = false;
    game.SoftwareOpen = false;

    game.Money = 500;

    game.Knowledge.fill(false);

    removeAllSoftware(game);
    game.DiskFree = 0;
    game.DiskTotal = 0;

    game.PartTradeIn.fill(0);
    game.PartLevel.fill(0);

    game.Wage = 1;

    game.Connected = false;
    game.DialStep = 0;
    game.MissionStep = 0;
    game.ToolOwned.fill(false);
    game.MissionDraw = 0;
    game.MissionAmount = 0;

    game.Mood = 100;

    game.internet.toolEnabled.fill(true);
    game.internet.missionEnabled.fill(true);

    MainCaptions& main = game.main;
    main.lStatus = game.Status;
    showExperience(game);
    main.lJob = GAME_TEXT("Пособие по безработице $1/день");
    setCaption(main.lMoney, game.Money);
    main.gMood = 100;
    main.hardware.fill(kNone);
    setCaption(main.lDay, game.Day);

    startTimer(game, TimerId::tTime);

    game.ProjectName = kNone;
}

}  // namespace tessaro
