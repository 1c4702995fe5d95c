#include "app/GameClock.h"

#include "app/System.h"

namespace tessaro {

GameClock::GameClock() {
    listenForResumption();
    elapsed_.start();
}

void GameClock::pauseStoppedTime() {
    if (resumedFromStop()) {
        const std::int64_t stopped = now() - lastRan_ - kLongestCatchUp;
        if (stopped > 0) {
            paused_ += stopped;
        }
    }
    if (wakeAt_) {
        const std::int64_t late = now() - *wakeAt_ - kLongestCatchUp;
        if (late > 0) {
            paused_ += late;
        }
    }
    lastRan_ = now();
}

bool GameClock::startWaiting() {
    if (waitedFrom_) {
        return false;
    }
    waitedFrom_ = realTime();
    return true;
}

void GameClock::endWaiting() {
    if (waitedFrom_) {
        paused_ += realTime() - *waitedFrom_;
        waitedFrom_.reset();
    }
}

}  // namespace tessaro
