#pragma once

#include <string>
#include <vector>

#include "core/GameState.h"
#include "core/ShellPort.h"

namespace tessaro::testing {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    // Which timers were still running when the message showed.
    std::array<bool, kTimerCount> timersRunning;
};

// A shell that remembers what the rules asked of it.
class RecordingShell : public ShellPort {
  public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back(
            {text, title, icon, game != nullptr ? game->timers : decltype(game->timers){}});
    }
    void endProgram() override { ++ends; }
    void restartProgram() override { ++restarts; }

    const GameState* game = nullptr;
    std::vector<RecordedMessage> messages;
    int ends = 0;
    int restarts = 0;
};

// A game with a recording shell and a seed source that hands out the given seed.
struct TestGame {
    explicit TestGame(std::uint32_t seed = 0) : game(shell, [seed] { return seed; }) {
        shell.game = &game;
    }

    RecordingShell shell;
    Game game;
};

// Fires the running timers' ticks, in order, for `milliseconds` of game time.
void RunFor(Game& game, int milliseconds);

}  // namespace tessaro::testing
