#include "windows/StartGame.h"

#include "core/DayClock.h"
#include "core/Navigation.h"
#include "core/NewGame.h"
#include "core/Text.h"

namespace tessaro {

bool StartGame(Game& game, const std::string& typedName) {
    if (typedName.empty()) {
        game.shell.message("Необходимо ввести имя", kGameTitle, MessageIcon::Question);
        return false;
    }
    NewGame(game);
    game.PlayerName = FirstCharacters(typedName, kMaxNameLength);
    game.main.lName = game.PlayerName;
    game.window(WindowId::fMain).shown = true;
    MainWindowShown(game);
    game.window(WindowId::fStart).shown = false;
    return true;
}

void LeaveAbout(Game& game) {
    if (game.Experience <= kWinningExperience) {
        game.window(WindowId::fMain).enabled = true;
        game.timer(TimerId::tTime) = true;
    } else {
        game.window(WindowId::Form1).enabled = true;
    }
    game.window(WindowId::Form2).shown = false;
}

void ShowAboutAfterWin(Game& game) {
    game.window(WindowId::Form2).shown = true;
    game.window(WindowId::Form1).enabled = false;
}

}  // namespace tessaro
