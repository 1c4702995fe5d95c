#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "support/RecordingShell.h"
#include "support/RunFor.h"

namespace tessaro::testing {

// A player who clicks at random, but only where the game lets him: any action of the window
// that is open, opening and leaving windows, saving and loading, or letting the clock run.
// After every step it checks what a player relies on; the first broken promise stops the
// run with the seed and the step, so that the run can be replayed.
class RandomPlayer {
  public:
    explicit RandomPlayer(std::uint32_t seed);
    // A player who goes on with a loaded game, which may hold any value its file allowed.
    RandomPlayer(std::uint32_t seed, const GameState& loaded);

    // Plays until `days` game days have passed over all the games played; returns the first
    // broken promise, or an empty text.
    std::string play(int days);
    // Takes `steps` steps whatever promise breaks, for the fuzzers: a game from an arbitrary
    // file keeps few promises of a game played from the start, but no step may crash or
    // overflow.
    void takeSteps(int steps);

    const GameState& game() const { return t_->game; }
    int gamesPlayed() const { return games_; }
    int stepsTaken() const { return steps_; }
    // How often the run reached each part of the game, so that a test can tell that the
    // promises were checked where it matters.
    const std::map<std::string, int>& reached() const { return reached_; }

  private:
    void newGame();
    void step();
    void inMainWindow();
    void inActivity(WindowId window);
    void inVirusWindow();
    void open(WindowId window);
    void close(WindowId window);
    void letTimePass(int milliseconds);
    void saveAndLoad();
    void check(const char* action);
    void expectMoneyChange(std::initializer_list<int> changes, const char* action);
    void fail(const std::string& broken);

    int roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(dice_); }

    std::uint32_t seed_;
    std::mt19937 dice_;
    std::unique_ptr<TestGame> t_;
    std::unique_ptr<VirtualTime> time_;
    GameState before_;
    bool moneyMayChange_ = false;
    bool moodMayChange_ = false;
    std::int64_t daysPlayed_ = 0;  // a loaded game may start at any day
    int games_ = 0;
    int steps_ = 0;
    std::string broken_;
    std::map<std::string, int> reached_;
};

}  // namespace tessaro::testing
