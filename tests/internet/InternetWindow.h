#pragma once

#include "core/Navigation.h"
#include "game/Activities.h"
#include "game/NewGame.h"
#include "internet/Dialup.h"

namespace tessaro::testing {

// A new game with a full computer and a modem, the internet unlocked and its window just
// opened, as the tests of the internet window's rules begin.
inline void openInternetWindow(Game& game) {
    NewGame(game);
    game.PartLevel = {1, 1, 1, 1, 1, 0, 1, 1, 1};
    game.SoftwareOpen = game.InternetOpen = true;
    game.main.bSoftwareImageEnabled = game.main.bInternetImageEnabled = true;
    OpenActivity(game, WindowId::fInternet);
    InternetShown(game);
}

}  // namespace tessaro::testing
