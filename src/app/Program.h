#pragma once

#include <string>

#include "app/Shell.h"
#include "core/GameState.h"

namespace tessaro {

class TfMain;

// The whole program: the game and the shell that puts it on screen. main() runs it with the
// desktop as the outside world, tests with a recording double.
class Program {
  public:
    Program(ShellPort& outside, SeedSource seedSource);

    // Shows the start window, or with a saved game, the main window with that game; `fromTheSlot`
    // when that game is the last game, kept by the program itself.
    void start(const std::string& savedGame = {}, bool fromTheSlot = false);

    Game& game() { return game_; }
    Shell& shell() { return shell_; }
    // The window, or nullptr while the game has not shown it yet or after it is gone.
    GameWindow* window(WindowId id) const { return shell_.window(id); }
    TfMain* fMain() const;

  private:
    // The game outlives the shell, whose windows refer to it.
    Game game_;
    Shell shell_;
};

}  // namespace tessaro
