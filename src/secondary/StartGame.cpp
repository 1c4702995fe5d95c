#include "secondary/StartGame.h"

#include "core/Navigation.h"
#include "core/NewGame.h"
#include "core/Text.h"

namespace tessaro {

void ShowStartWindow(GameState& state) {
    state.window(WindowId::fStart).shown = true;
}

bool StartGame(Game& game, const std::string& typedName) {
    if (typedName.empty()) {
        game.shell.message("Необходимо ввести имя", kGameTitle, MessageIcon::Question);
        return false;
    }
    NewGame(game);
    game.PlayerName = firstCharacters(typedName, kMaxNameLength);
    game.main.lName = game.PlayerName;
    game.window(WindowId::fMain).shown = true;
    MainWindowShown(game);
    game.window(WindowId::fStart).shown = false;
    return true;
}

}  // namespace tessaro
