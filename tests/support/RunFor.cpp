#include "support/RunFor.h"

namespace tessaro::testing {

VirtualTime::VirtualTime(Game& game, std::span<const TimerTick> table)
    : game_(game), table_(table) {
    follow();
}

void VirtualTime::follow() {
    for (const TimerTick& row : table_) {
        const auto i = static_cast<std::size_t>(row.id);
        const TimerState& timer = game_.timers[i];
        if (!timer.running) {
            scheduled_[i] = false;
            continue;
        }
        if (!scheduled_[i] || startsSeen_[i] != timer.starts) {
            scheduled_[i] = true;
            startsSeen_[i] = timer.starts;
            due_[i] = now_ + timer.interval;
        }
    }
}

void VirtualTime::runFor(int milliseconds) {
    const std::int64_t end = now_ + milliseconds;
    for (;;) {
        follow();
        const TimerTick* next = nullptr;
        for (const TimerTick& row : table_) {
            const auto i = static_cast<std::size_t>(row.id);
            // Rows are in TimerId order, so the first of equal due times wins.
            if (scheduled_[i] && due_[i] <= end &&
                (next == nullptr || due_[i] < due_[static_cast<std::size_t>(next->id)])) {
                next = &row;
            }
        }
        if (next == nullptr) {
            break;
        }
        const auto i = static_cast<std::size_t>(next->id);
        now_ = due_[i];
        // The next tick is due one interval on, unless the tick itself restarts the timer.
        due_[i] = now_ + game_.timers[i].interval;
        next->tick(game_);
    }
    now_ = end;
}

void RunFor(Game& game, int milliseconds) {
    VirtualTime(game).runFor(milliseconds);
}

}  // namespace tessaro::testing
