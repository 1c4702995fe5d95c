#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/GameState.h"
#include "core/ShellPort.h"

namespace tessaro {

// Whether the game can be kept as it stands: it has started, it is not over, and nothing is
// under way that a load would not give back (the virus, a call, a mission, a download); days
// that pass in the development window are kept with the project they advance.
bool GameCanBeKept(const GameState& state);

// Whether the game is over: won, or lost at the clock's next tick. A game over is not kept.
bool GameIsOver(const GameState& state);

// The least play between two writes of the slot during play, in milliseconds of game time: a
// crash loses at most that much.
inline constexpr std::int64_t kKeepEvery = 30000;

// The last game, kept by itself in one slot so that leaving, a crash or the end of the desktop's
// session never loses it. The slot holds the game as it stood at the last moment it could be
// kept: while something is under way (a call, a download, the virus, a message waiting for the
// player), the moment before it began. A game over empties the slot, but only when the slot holds
// this game (continued from it, or kept there since): a game read from another file, a friend's
// won game say, never takes the slot's game with it.
class KeptGame {
  public:
    explicit KeptGame(ShellPort& outside) : outside_(outside) {}

    // The game in play was read from the slot itself (`--continue`).
    void continuedFromTheSlot() { slotHoldsThisGame_ = true; }
    // A game read from another file takes the place of the one in play.
    void loadedAnotherGame() { slotHoldsThisGame_ = false; }

    // The screen shows the game as it now stands, `now` milliseconds into play. `midRule`: a rule
    // waits for the player's answer, halfway, and what stands is no game a load could give back.
    // A game over is forgotten at once; one that can be kept is remembered, and written once
    // kKeepEvery of play has passed since it was last written.
    void played(const GameState& state, std::int64_t now, bool midRule);
    // When the change still unwritten falls due: nothing changes on screen in a window that
    // stops the clock, so the shell wakes for it then. Nothing while no change waits.
    std::optional<std::int64_t> dueAt() const;
    // Writes the change still unwritten once it is due: the game as it stood at the last moment
    // it could be kept, whatever is under way now.
    void writeIfDue(std::int64_t now);
    // The program is asked to end, or the desktop's session ends: the game is kept as it stands,
    // or as it stood at the last moment it could be kept.
    void keep(const GameState& state, std::int64_t now, bool midRule);

    // Why the slot could not hold the game, in the game's language: told once a run, so that
    // a player is not told the same every half minute. Nothing once it has been taken.
    std::optional<std::string> takeFault();

  private:
    void forget();
    void write(std::int64_t now);

    ShellPort& outside_;
    // The game at the last moment it could be kept, and whether the slot holds it yet (nothing
    // to write before there is a game).
    std::optional<GameState> keepable_;
    bool written_ = true;
    // When it was last written; play is counted from the first moment the game could be kept.
    std::optional<std::int64_t> writtenAt_;
    bool slotHoldsThisGame_ = false;
    bool over_ = false;
    std::optional<std::string> fault_;
    bool faultTold_ = false;
};

}  // namespace tessaro
