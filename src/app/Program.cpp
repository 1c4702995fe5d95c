#include "app/Program.h"

#include "game/TfMain.h"
#include "titles/StartGame.h"
#include "widgets/Accessibility.h"

namespace tessaro {

Program::Program(ShellPort& outside, SeedSource seedSource)
    : game_(shell_, std::move(seedSource)), shell_(outside) {
    shell_.setGame(game_);
    installGameAccessibility();
}

void Program::start(const std::string& savedGame, bool fromTheSlot) {
    if (savedGame.empty() || !StartGameFromFile(game_, savedGame)) {
        ShowStartWindow(game_);
    } else if (fromTheSlot) {
        shell_.continuedFromTheSlot();
        // The slot is the game's own file, not one the player chose: the load dialog starts
        // among his saved games.
        game_.dialogs.odOpenGame.clear();
    }
    shell_.sync();
}

TfMain* Program::fMain() const {
    return static_cast<TfMain*>(window(WindowId::fMain));
}

}  // namespace tessaro
