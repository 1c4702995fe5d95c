#include "titles/StartGame.h"

#include "core/Navigation.h"
#include "core/Text.h"
#include "events/Virus.h"
#include "game/Activities.h"
#include "game/NewGame.h"
#include "persistence/SavedGame.h"

namespace tessaro {

void ShowStartWindow(GameState& state) {
    state.window(WindowId::fStart).shown = true;
}

bool StartGame(Game& game, const std::string& typedName) {
    if (typedName.empty()) {
        game.shell.message(GAME_TEXT("Необходимо ввести имя"), kGameTitle, MessageIcon::Question);
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

bool StartGameFromFile(Game& game, const std::string& path) {
    std::vector<std::string> lines;
    if (const auto error = game.shell.readSavedGame(path, lines)) {
        game.shell.message(*error, kGameTitle, MessageIcon::None);
        return false;
    }
    GameState started = game;
    NewGame(started);
    LoadOutcome outcome = ReadSavedGame(started, lines);
    if (!outcome.loaded) {
        game.shell.message(outcome.error, kGameTitle, MessageIcon::None);
        return false;
    }
    static_cast<GameState&>(game) = std::move(*outcome.loaded);
    game.shell.gameLoaded();
    game.dialogs.odOpenGame = path;
    game.window(WindowId::fMain).shown = true;
    MainWindowShown(game);
    VirusDayAfterLoad(game);
    return true;
}

}  // namespace tessaro
