#pragma once

#include <array>
#include <memory>

#include "widgets/GameWindow.h"

namespace tessaro {

// One row per window of the game: how the shell makes it the first time the game shows it.
struct WindowRow {
    WindowId id;
    std::unique_ptr<GameWindow> (*create)(Game& game);
    // A window that the game shows only once, such as the start window, is destroyed when
    // it is hidden.
    bool shownOnce = false;
    // A window that the player opens to look at while the game goes on, such as the about
    // window, stands beside the window in play instead of joining the windows in play.
    bool standsBeside = false;
};

const std::array<WindowRow, kWindowCount>& windowTable();

}  // namespace tessaro
