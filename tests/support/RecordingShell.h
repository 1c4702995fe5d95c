#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
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

// The outside world of the tests: it remembers what the rules asked of it, answers file
// choices from `fileAnswers` (a cancelled dialog once they run out), keeps saved games in
// memory, and neither blocks nor exits.
class RecordingShell : public ShellPort {
  public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        std::array<bool, kTimerCount> running{};
        if (game != nullptr) {
            for (std::size_t i = 0; i < kTimerCount; ++i) {
                running[i] = game->timers[i].running;
            }
        }
        messages.push_back({text, title, icon, running});
        if (whileAnswering) {
            whileAnswering();
        }
    }
    std::optional<std::string> chooseFile(const FileChoice& choice) override {
        fileChoices.push_back(choice);
        if (whileAnswering) {
            whileAnswering();
        }
        if (fileAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override {
        if (refuseWrites) {
            return "Cannot create file \"" + path + "\". Permission denied";
        }
        files[path] = lines;
        return std::nullopt;
    }
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override {
        const auto file = files.find(path);
        if (file == files.end()) {
            return "Cannot open file \"" + path + "\". No such file or directory";
        }
        lines = file->second;
        return std::nullopt;
    }
    std::optional<std::string> keepGame(const std::vector<std::string>& lines) override {
        if (keepFault) {
            return keepFault;
        }
        kept.push_back(lines);
        return std::nullopt;
    }
    void forgetGame() override { ++forgotten; }
    void endProgram() override { ++ends; }
    std::optional<std::string> restartProgram() override {
        if (refuseRestart) {
            return "Новая игра не началась";
        }
        ++restarts;
        return std::nullopt;
    }

    const GameState* game = nullptr;
    std::vector<RecordedMessage> messages;
    std::vector<FileChoice> fileChoices;
    std::deque<std::optional<std::string>> fileAnswers;
    // Saved games, kept in memory by name.
    std::map<std::string, std::vector<std::string>> files;
    bool refuseWrites = false;
    bool refuseRestart = false;
    // What happens while the player reads a message or chooses a file.
    std::function<void()> whileAnswering;
    // Each game kept in the slot of the last game, in order; how often the slot was emptied.
    std::vector<std::vector<std::string>> kept;
    // Why the slot cannot hold a game, where it cannot.
    std::optional<std::string> keepFault;
    int forgotten = 0;
    int ends = 0;
    int restarts = 0;
};

// A game with a recording shell and a seed source that hands out `seed`, which a test may
// change between reseeds.
struct TestGame {
    explicit TestGame(std::uint32_t firstSeed = 0)
        : seed(firstSeed), game(shell, [this] { return seed; }) {
        shell.game = &game;
    }

    RecordingShell shell;
    std::uint32_t seed;
    Game game;
};

// The first draw Random(n) after a reseed from `seed`.
inline int firstDraw(std::uint32_t seed, int n) {
    LcgRandom random([seed] { return seed; });
    random.Randomize();
    return random.Random(n);
}

// A seed whose first draw Random(n) is `wanted`.
inline std::uint32_t seedDrawing(int n, int wanted) {
    std::uint32_t seed = 0;
    while (firstDraw(seed, n) != wanted) {
        ++seed;
    }
    return seed;
}

// Whether the game has the timer running.
inline bool running(const GameState& state, TimerId id) {
    return state.timer(id).running;
}

}  // namespace tessaro::testing
