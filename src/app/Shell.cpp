#include "app/Shell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <utility>

#include "game/TfMain.h"
#include "game/TimerTable.h"

namespace tessaro {

Shell::Shell(ShellPort& outside)
    : ShellPortRelay(outside),
      windows_(stack_, [this](GameWindow& window) { follow(window); }),
      keptGame_(outside) {
    // Children, so that a test finds the real timer and the windows in play by their names.
    wake_.setParent(this);
    wake_.setObjectName(QStringLiteral("gameClock"));
    stack_.setParent(this);
    stack_.setObjectName(QStringLiteral("windowStack"));
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &Shell::wake);
    keepDue_.setParent(this);
    keepDue_.setObjectName(QStringLiteral("keepTimer"));
    keepDue_.setSingleShot(true);
    connect(&keepDue_, &QTimer::timeout, this, [this] {
        catchUp();
        if (!ended_ && game_ != nullptr) {
            keptGame_.writeIfDue(now());
            noteTheSlotFault();
            keepWhenDue();
        }
    });
    // Every event passes here first, so that none finds a tick overdue.
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void Shell::setGame(Game& game) {
    game_ = &game;
    scheduler_ = std::make_unique<Scheduler>(game);
    scheduler_->runUntil(now());
}

Shell::~Shell() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    // A window going away can activate another, whose handler must not reach a half-gone
    // shell.
    ended_ = true;
    windows_.retireAll();
}

void Shell::tick(TimerId id) {
    // A tick that a rule has overtaken (the timer stopped in the same turn) does nothing.
    if (ended_ || game_ == nullptr || !game_->timer(id).running) {
        return;
    }
    const WindowStack::Uninvited byTheClock(stack_);
    timerTicks()[static_cast<std::size_t>(id)].tick(*game_);
    sync();
}

void Shell::catchUp() {
    // While the screen is brought in line, the next event or wake runs what falls due; while
    // the game waits for the player's answer, nothing falls due.
    if (ended_ || scheduler_ == nullptr || syncing_ || clock_.waiting()) {
        return;
    }
    clock_.pauseStoppedTime();
    const WindowStack::Uninvited byTheClock(stack_);
    if (scheduler_->runUntil(now()) > 0) {
        sync();
    }
}

void Shell::keepTheGame() {
    if (!ended_ && game_ != nullptr) {
        keptGame_.keep(*game_, now(), clock_.waiting());
        noteTheSlotFault();
    }
}

void Shell::keepWhenDue() {
    const std::optional<std::int64_t> due = ended_ ? std::nullopt : keptGame_.dueAt();
    // No game time passes while the game waits for an answer: the wait ends first.
    if (!due || clock_.waiting()) {
        keepDue_.stop();
    } else if (!keepDue_.isActive() || keepDueAt_ != *due) {
        keepDueAt_ = *due;
        keepDue_.start(static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, INT_MAX)));
    }
    if (slotFault_) {
        QTimer::singleShot(0, this, &Shell::tellTheSlotFault);
    }
}

void Shell::noteTheSlotFault() {
    if (std::optional<std::string> fault = keptGame_.takeFault()) {
        std::fprintf(stderr, "%s\n", fault->c_str());
        slotFault_ = std::move(fault);
    }
}

void Shell::tellTheSlotFault() {
    if (slotFault_ && !ended_ && !syncing_ && !clock_.waiting()) {
        const std::string fault = *std::exchange(slotFault_, std::nullopt);
        message(fault, kGameTitle, MessageIcon::None);
    }
}

void Shell::wake() {
    catchUp();
    // Nothing was due yet (a real timer may wake a moment early): sleep again.
    if (!ended_ && !syncing_) {
        syncTimers();
    }
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
        // A window that the player opens with a key starts with an item in hand; one that
        // the clock brings does not.
        windows_.sync(*game_, keyboardInUse_ && !stack_.bringsUninvited());
    } while (syncAgain_ && !ended_);
    syncing_ = false;
    if (!ended_) {
        keptGame_.played(*game_, now(), clock_.waiting());
        noteTheSlotFault();
        keepWhenDue();
    }
    // Told once, what the last action or the clock changed on screen.
    announcer_.screenChanged(*game_, mainShown(), qobject_cast<const GameWindow*>(stack_.top()));
}

const TfMain* Shell::mainShown() const {
    const auto* main = static_cast<const TfMain*>(window(WindowId::fMain));
    return !ended_ && main != nullptr && main->isVisible() ? main : nullptr;
}

void Shell::syncTimers() {
    scheduler_->follow(now());
    const std::optional<std::int64_t> next = scheduler_->nextVisibleTick();
    clock_.ran(next);
    if (!next || clock_.waiting()) {
        wake_.stop();
        return;
    }
    const std::int64_t wait = std::clamp<std::int64_t>(*next - now(), 0, INT_MAX);
    wake_.start(static_cast<int>(wait));
}

void Shell::follow(GameWindow& window) {
    connect(&window, &GameWindow::gameChanged, this, [this] {
        // A window that the clock brings runs its own handlers as it shows: the clock's doing,
        // not the player's.
        if (!stack_.bringsUninvited()) {
            announcer_.playerActed();
        }
        sync();
    });
}

bool Shell::eventFilter(QObject* watched, QEvent* event) {
    static constexpr QEvent::Type kInputAndWindows[] = {QEvent::MouseButtonPress,
                                                        QEvent::MouseButtonRelease,
                                                        QEvent::MouseButtonDblClick,
                                                        QEvent::MouseMove,
                                                        QEvent::Wheel,
                                                        QEvent::KeyPress,
                                                        QEvent::KeyRelease,
                                                        QEvent::ShortcutOverride,
                                                        QEvent::Shortcut,
                                                        QEvent::InputMethod,
                                                        QEvent::Enter,
                                                        QEvent::Leave,
                                                        QEvent::FocusIn,
                                                        QEvent::FocusOut,
                                                        QEvent::Show,
                                                        QEvent::Hide,
                                                        QEvent::Close,
                                                        QEvent::WindowActivate,
                                                        QEvent::WindowDeactivate};
    // std::find, not std::ranges::find: the browser's C++ library has no ranges algorithms.
    if (std::find(std::begin(kInputAndWindows), std::end(kInputAndWindows), event->type()) !=
        std::end(kInputAndWindows)) {
        catchUp();
    }
    if (event->type() == QEvent::MouseButtonPress) {
        keyboardInUse_ = false;
    }
    if (event->type() == QEvent::KeyPress) {
        keyboardInUse_ = true;
        const auto& key = *static_cast<const QKeyEvent*>(event);
        const auto* inPlay = qobject_cast<const GameWindow*>(stack_.top());
        if (announcer_.statusKey(key, mainShown(), inPlay) ||
            announcer_.menuKeyElsewhere(key, mainShown(), inPlay)) {
            return true;
        }
    }
    return stack_.filter(watched, event) || QObject::eventFilter(watched, event);
}

template <typename Ask>
auto Shell::waitForTheAnswer(Ask ask) {
    // The dialog holds the rule that asked for it; what the rule did so far is on screen, and
    // the clock, waiting, sleeps.
    const bool outermost = clock_.startWaiting();
    sync();
    auto answer = ask();
    if (outermost) {
        clock_.endWaiting();
        if (!ended_ && game_ != nullptr) {
            syncTimers();
            keepWhenDue();
        }
    }
    // The rule that asked goes on from the moment it asked.
    catchUp();
    return answer;
}

void Shell::message(const std::string& text, const std::string& title, MessageIcon icon) {
    announcer_.messageShown();
    waitForTheAnswer([&] {
        outside_.message(text, title, icon);
        return true;
    });
}

std::optional<std::string> Shell::chooseFile(const FileChoice& choice) {
    return waitForTheAnswer([&] { return outside_.chooseFile(choice); });
}

void Shell::endProgram() {
    // A game in progress is kept for `--continue`; a game over leaves nothing to continue.
    keepTheGame();
    ended_ = true;
    wake_.stop();
    keepDue_.stop();
    windows_.hideAll();
    outside_.endProgram();
}

std::optional<std::string> Shell::restartProgram() {
    // The game left for a new one is kept until the new one keeps its own.
    keepTheGame();
    std::optional<std::string> failure = outside_.restartProgram();
    if (!failure) {
        ended_ = true;
        wake_.stop();
        keepDue_.stop();
    }
    return failure;
}

}  // namespace tessaro
