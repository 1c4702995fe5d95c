#include "app/Shell.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include "app/WindowTable.h"
#include "game/TimerTable.h"

namespace tessaro {

Shell::Shell(ShellPort& outside) : outside_(outside) {
    for (const TimerDefinition& row : timerDefinitions()) {
        auto timer = std::make_unique<QTimer>();
        timer->setObjectName(QLatin1String(row.name));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(row.interval);
        connect(timer.get(), &QTimer::timeout, this, [this, id = row.id] { tick(id); });
        timers_[static_cast<std::size_t>(row.id)] = std::move(timer);
    }
}

Shell::~Shell() {
    // A window going away can activate another, whose handler must not reach a half-gone
    // shell.
    ended_ = true;
    for (auto& window : windows_) {
        retire(window);
    }
}

void Shell::retire(std::unique_ptr<GameWindow>& window) {
    if (window == nullptr) {
        return;
    }
    // The control with the focus loses it while its window is whole: losing it puts the
    // window's info lines back, which a window half destroyed could not do.
    if (QWidget* focused = window->focusWidget()) {
        focused->clearFocus();
    }
    window.reset();
}

void Shell::tick(TimerId id) {
    // A tick that a rule has overtaken (the timer stopped in the same turn) does nothing.
    if (ended_ || game_ == nullptr || !game_->timer(id).running) {
        return;
    }
    timerTicks()[static_cast<std::size_t>(id)].tick(*game_);
    sync();
}

void Shell::sync() {
    if (game_ == nullptr || ended_) {
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
        syncTimers();
        syncWindows();
    } while (syncAgain_ && !ended_);
    syncing_ = false;
}

void Shell::syncTimers() {
    for (std::size_t i = 0; i < kTimerCount; ++i) {
        const TimerState& wanted = game_->timers[i];
        QTimer& timer = *timers_[i];
        if (!wanted.running) {
            if (timer.isActive()) {
                timer.stop();
            }
            continue;
        }
        // A timer that the game started afresh counts its full interval from now.
        if (!timer.isActive() || startsSeen_[i] != wanted.starts) {
            timer.setInterval(wanted.interval);
            timer.start();
            startsSeen_[i] = wanted.starts;
        }
    }
}

void Shell::syncWindows() {
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        const WindowState& wanted = game_->windows[i];
        GameWindow* window = windows_[i].get();
        if (window == nullptr) {
            // A window the game has not shown yet has no effect, so it is made only now.
            if (!wanted.shown) {
                continue;
            }
            window = create(i);
        }
        if (window->isEnabled() != wanted.enabled) {
            window->setEnabled(wanted.enabled);
            // A window given back, such as the main window after an activity, takes the
            // keyboard again.
            if (wanted.enabled && wanted.shown && window->isVisible()) {
                window->activateWindow();
            }
        }
        if (!wanted.shown) {
            if (window->isVisible()) {
                window->hide();
                if (windowTable()[i].shownOnce) {
                    // Not while its own handler may still be running.
                    QMetaObject::invokeMethod(
                        this, [this, i] { retire(windows_[i]); }, Qt::QueuedConnection);
                }
            }
            continue;
        }
        // Rendered before it shows, so that a window never shows old texts.
        window->render();
        if (!window->isVisible()) {
            window->centreOnScreen();
            keepAboveMainWindow(*window);
            window->show();
            window->centreWithItsFrame();
            window->activateWindow();
        }
    }
}

GameWindow* Shell::create(std::size_t index) {
    windows_[index] = windowTable()[index].create(*game_);
    GameWindow* window = windows_[index].get();
    connect(window, &GameWindow::gameChanged, this, &Shell::sync);
    window->installEventFilter(this);
    return window;
}

GameWindow* Shell::windowInPlay() const {
    static constexpr WindowId kTopmostFirst[] = {
        WindowId::Form4,     WindowId::Form2,      WindowId::Form1, WindowId::fComputer,
        WindowId::fSoftware, WindowId::fEducation, WindowId::fJob,  WindowId::fDeveloper,
        WindowId::fInternet, WindowId::Form3,      WindowId::fMain, WindowId::fStart};
    for (WindowId id : kTopmostFirst) {
        GameWindow* candidate = window(id);
        if (candidate != nullptr && candidate->isVisible()) {
            return candidate;
        }
    }
    return nullptr;
}

void Shell::keepAboveMainWindow(GameWindow& window) {
    if (window.id() == WindowId::fMain) {
        return;
    }
    // Owned by the main window, a window stays above it under any window manager. A window
    // that shows while the main window is hidden (the start and congratulations windows) has
    // no owner: a window manager need not show a window whose owner is off the screen.
    const GameWindow* main = this->window(WindowId::fMain);
    QWindow* owner = main != nullptr && main->isVisible() ? main->windowHandle() : nullptr;
    window.winId();
    window.windowHandle()->setTransientParent(owner);
}

QWidget* Shell::dialogOwner() const {
    // The window the player acted in, or for a timer's message the window in play.
    auto* active = qobject_cast<GameWindow*>(QApplication::activeWindow());
    if (active != nullptr && active->isEnabled() && window(active->id()) == active) {
        return active;
    }
    return windowInPlay();
}

bool Shell::eventFilter(QObject* watched, QEvent* event) {
    // A click on a greyed window (the main window under an activity, the congratulations
    // window under the about window) activates it; the window in play comes forward instead,
    // so that the player never loses it behind the window that waits.
    if (event->type() == QEvent::WindowActivate) {
        const auto* activated = qobject_cast<const GameWindow*>(watched);
        if (activated != nullptr && !activated->isEnabled()) {
            QMetaObject::invokeMethod(this, &Shell::bringWindowInPlayForward, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Shell::bringWindowInPlayForward() {
    GameWindow* inPlay = windowInPlay();
    if (ended_ || inPlay == nullptr || !inPlay->isEnabled()) {
        return;
    }
    inPlay->raise();
    inPlay->activateWindow();
}

void Shell::message(const std::string& text, const std::string& title, MessageIcon icon) {
    // The box holds the rule that asked for it; what the rule did so far is on screen, and
    // a timer that the rule stopped cannot fire while the box is open.
    sync();
    outside_.message(text, title, icon);
}

std::optional<std::string> Shell::chooseFile(const FileChoice& choice) {
    sync();
    return outside_.chooseFile(choice);
}

std::optional<std::string> Shell::writeSavedGame(const std::string& path,
                                                 const std::vector<std::string>& lines) {
    return outside_.writeSavedGame(path, lines);
}

std::optional<std::string> Shell::readSavedGame(const std::string& path,
                                                std::vector<std::string>& lines) {
    return outside_.readSavedGame(path, lines);
}

void Shell::stopTimers() {
    for (auto& timer : timers_) {
        timer->stop();
    }
}

void Shell::endProgram() {
    ended_ = true;
    stopTimers();
    for (auto& window : windows_) {
        if (window != nullptr) {
            window->hide();
        }
    }
    outside_.endProgram();
}

void Shell::restartProgram() {
    ended_ = true;
    stopTimers();
    outside_.restartProgram();
}

}  // namespace tessaro
