#include "game/Scheduler.h"

#include <algorithm>

namespace tessaro {

Scheduler::Scheduler(Game& game, std::span<const TimerTick> table) : game_(game), table_(table) {
    follow(now_);
}

std::int64_t Scheduler::intervalOf(std::size_t i) const {
    // A timer with no interval would fire for ever within one moment.
    return std::max(1, game_.timers[i].interval);
}

void Scheduler::follow(std::int64_t time) {
    const std::int64_t from = std::max(now_, time);
    for (const TimerTick& row : table_) {
        const std::size_t i = index(row.id);
        const TimerState& timer = game_.timers[i];
        if (!timer.running) {
            scheduled_[i] = false;
            continue;
        }
        if (!scheduled_[i] || startsSeen_[i] != timer.starts) {
            scheduled_[i] = true;
            startsSeen_[i] = timer.starts;
            due_[i] = from + intervalOf(i);
        }
    }
}

const TimerTick* Scheduler::nextDue(std::int64_t end) const {
    const TimerTick* next = nullptr;
    for (const TimerTick& row : table_) {
        const std::size_t i = index(row.id);
        // Rows are in TimerId order, so the first of equal due times wins.
        if (scheduled_[i] && due_[i] <= end &&
            (next == nullptr || due_[i] < due_[index(next->id)])) {
            next = &row;
        }
    }
    return next;
}

std::int64_t Scheduler::quietRun(const TimerTick& row, std::int64_t end) const {
    if (row.quietTicks == nullptr) {
        return 0;
    }
    const std::size_t i = index(row.id);
    std::int64_t last = end;
    for (const TimerTick& other : table_) {
        const std::size_t j = index(other.id);
        if (j != i && scheduled_[j]) {
            // At a tie the lower id goes first.
            last = std::min(last, j > i ? due_[j] : due_[j] - 1);
        }
    }
    if (last < due_[i]) {
        return 0;
    }
    const std::int64_t due = (last - due_[i]) / intervalOf(i) + 1;
    return std::min<std::int64_t>(due, row.quietTicks(game_));
}

int Scheduler::runUntil(std::int64_t time) {
    if (running_) {
        return 0;
    }
    running_ = true;
    int ticks = 0;
    for (;;) {
        follow(now_);
        const TimerTick* next = nextDue(time);
        if (next == nullptr) {
            break;
        }
        const std::size_t i = index(next->id);
        const std::int64_t interval = intervalOf(i);
        if (const std::int64_t quiet = quietRun(*next, time); quiet > 0) {
            next->runQuietTicks(game_, static_cast<int>(quiet));
            now_ = due_[i] + (quiet - 1) * interval;
            due_[i] += quiet * interval;
            continue;
        }
        now_ = due_[i];
        // The next tick is due one interval on, unless the tick itself restarts the timer.
        due_[i] = now_ + interval;
        ++ticks;
        next->tick(game_);
    }
    now_ = std::max(now_, time);
    running_ = false;
    return ticks;
}

std::optional<std::int64_t> Scheduler::nextVisibleTick() const {
    std::optional<std::int64_t> next;
    for (const TimerTick& row : table_) {
        const std::size_t i = index(row.id);
        if (!scheduled_[i]) {
            continue;
        }
        std::int64_t visible = due_[i];
        if (row.quietTicks != nullptr) {
            visible += row.quietTicks(game_) * intervalOf(i);
        }
        if (!next || visible < *next) {
            next = visible;
        }
    }
    return next;
}

}  // namespace tessaro
