#pragma once

#include <memory>
#include <vector>

#include "core/GameState.h"
#include "windows/Outside.h"
#include "windows/Shell.h"

namespace tessaro {

class TfMain;
class TfStart;

// The whole program: the game, the shell and the twelve windows, created hidden in the
// game's order. main() runs it with the real outside world, tests with recording doubles.
class Program {
  public:
    Program(MessagePresenter& messages, ProgramControl& control, SeedSource seedSource);
    ~Program();

    // Shows the start window.
    void start();

    Game& game() { return game_; }
    Shell& shell() { return shell_; }
    // The window, or nullptr once the start window is gone.
    GameWindow* window(WindowId id) const;
    TfMain* fMain() const;

  private:
    Shell shell_;
    Game game_;
    std::unique_ptr<TfStart> fStart_;
    std::vector<std::unique_ptr<GameWindow>> windows_;
};

}  // namespace tessaro
