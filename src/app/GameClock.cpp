#include "app/GameClock.h"

#include <csignal>

namespace tessaro {

namespace {

// Raised when the program resumes after a stop: the system tells it so with SIGCONT, and no
// sooner than that can the program tell how long it stood.
volatile std::sig_atomic_t resumedFromStop = 0;

extern "C" void noteResumption(int /*signal*/) {
    resumedFromStop = 1;
}

void listenForResumption() {
    static const bool listening = [] {
        struct sigaction action {};
        action.sa_handler = noteResumption;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        return sigaction(SIGCONT, &action, nullptr) == 0;
    }();
    static_cast<void>(listening);
}

}  // namespace

GameClock::GameClock() {
    listenForResumption();
    elapsed_.start();
}

void GameClock::pauseStoppedTime() {
    if (resumedFromStop != 0) {
        resumedFromStop = 0;
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
