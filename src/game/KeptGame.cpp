#include "game/KeptGame.h"

#include "game/DayClock.h"
#include "persistence/SavedGame.h"

#include <utility>

namespace tessaro {

bool GameIsOver(const GameState& state) {
    return state.window(WindowId::Form1).shown || state.Experience > kWinningExperience ||
           state.Mood == 0 || state.Money < 0;
}

bool GameCanBeKept(const GameState& state) {
    if (!state.window(WindowId::fMain).shown || GameIsOver(state) ||
        state.window(WindowId::Form4).shown) {
        return false;
    }
    for (std::size_t timer = 0; timer < kTimerCount; ++timer) {
        if (state.timers[timer].running && static_cast<TimerId>(timer) != TimerId::tTime) {
            return false;
        }
    }
    return true;
}

void KeptGame::played(const GameState& state, std::int64_t now, bool midRule) {
    // A game lost or won is over whatever else is under way, a message waiting included.
    if (over_ || GameIsOver(state)) {
        forget();
        return;
    }
    if (!midRule && GameCanBeKept(state) && (!keepable_ || !(*keepable_ == state))) {
        keepable_ = state;
        written_ = false;
        // Play is counted from the first moment the game could be kept.
        if (!writtenAt_) {
            writtenAt_ = now;
        }
    }
    writeIfDue(now);
}

std::optional<std::int64_t> KeptGame::dueAt() const {
    if (over_ || written_ || !writtenAt_) {
        return std::nullopt;
    }
    return *writtenAt_ + kKeepEvery;
}

void KeptGame::writeIfDue(std::int64_t now) {
    if (const std::optional<std::int64_t> due = dueAt(); due && now >= *due) {
        write(now);
    }
}

void KeptGame::keep(const GameState& state, std::int64_t now, bool midRule) {
    played(state, now, midRule);
    if (!over_ && !written_) {
        write(now);
    }
}

void KeptGame::forget() {
    if (!over_ && slotHoldsThisGame_) {
        outside_.forgetGame();
    }
    over_ = true;
}

void KeptGame::write(std::int64_t now) {
    if (std::optional<std::string> fault = outside_.keepGame(SavedGameLines(*keepable_))) {
        if (!faultTold_) {
            fault_ = std::move(fault);
        }
    } else {
        slotHoldsThisGame_ = true;
    }
    written_ = true;
    writtenAt_ = now;
}

std::optional<std::string> KeptGame::takeFault() {
    if (fault_) {
        faultTold_ = true;
    }
    return std::exchange(fault_, std::nullopt);
}

}  // namespace tessaro
