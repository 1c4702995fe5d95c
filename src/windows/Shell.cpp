#include "windows/Shell.h"

namespace tessaro {

namespace {

struct TimerDefinition {
    const char* name;
    int milliseconds;
};

constexpr TimerDefinition kTimers[kTimerCount] = {
    {"tTime", 10},
};

}  // namespace

Shell::Shell(MessagePresenter& messages, ProgramControl& control)
    : messages_(messages), control_(control) {
    for (std::size_t i = 0; i < kTimerCount; ++i) {
        timers_[i] = std::make_unique<QTimer>();
        timers_[i]->setObjectName(QLatin1String(kTimers[i].name));
        timers_[i]->setTimerType(Qt::PreciseTimer);
        timers_[i]->setInterval(kTimers[i].milliseconds);
    }
}

void Shell::addWindow(GameWindow* window) {
    windows_[static_cast<std::size_t>(window->id())] = window;
    connect(window, &GameWindow::changed, this, &Shell::sync);
}

void Shell::sync() {
    if (state_ == nullptr || ended_) {
        return;
    }
    // Showing or enabling a window can activate another, whose handler changes the game
    // again: run once more rather than nest.
    if (syncing_) {
        syncAgain_ = true;
        return;
    }
    syncing_ = true;
    do {
        syncAgain_ = false;
        syncOnce();
    } while (syncAgain_ && !ended_);
    syncing_ = false;
}

void Shell::syncOnce() {
    for (std::size_t i = 0; i < kTimerCount; ++i) {
        QTimer& timer = *timers_[i];
        if (state_->timers[i] && !timer.isActive()) {
            timer.start();
        } else if (!state_->timers[i] && timer.isActive()) {
            timer.stop();
        }
    }
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        GameWindow* window = windows_[i];
        if (window == nullptr) {
            continue;
        }
        const WindowState& wanted = state_->windows[i];
        if (window->isEnabled() != wanted.enabled) {
            window->setEnabled(wanted.enabled);
        }
        if (!wanted.shown) {
            if (window->isVisible()) {
                window->hide();
            }
            continue;
        }
        // Rendered before it shows, so that a window never shows old texts.
        window->render();
        if (!window->isVisible()) {
            window->centreOnScreen();
            window->show();
            window->activateWindow();
        }
    }
}

void Shell::message(const std::string& text, const std::string& title, MessageIcon icon) {
    // The box holds the rule that asked for it; what the rule did so far is on screen, and
    // a timer that the rule stopped cannot fire while the box is open.
    sync();
    messages_.show(QString::fromStdString(text), QString::fromStdString(title), icon);
}

void Shell::stopTimers() {
    for (auto& timer : timers_) {
        timer->stop();
    }
}

void Shell::endProgram() {
    ended_ = true;
    stopTimers();
    for (GameWindow* window : windows_) {
        if (window != nullptr) {
            window->hide();
        }
    }
    control_.end();
}

void Shell::restartProgram() {
    ended_ = true;
    stopTimers();
    control_.restart();
}

}  // namespace tessaro
