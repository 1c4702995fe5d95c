#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "app/Announcer.h"
#include "app/GameClock.h"
#include "app/GameWindows.h"
#include "app/WindowStack.h"
#include "core/ShellPort.h"
#include "game/KeptGame.h"
#include "game/Scheduler.h"
#include "widgets/GameWindow.h"

namespace tessaro {

// Keeps the windows (GameWindows) and the game's clock in line with the game state. The game's
// timers run in a scheduler that one real timer wakes only when a tick that the player can see
// falls due, on the game's time (GameClock); before the program handles a click, a key or a
// window event, every tick due by then has run, but no more of a long stop than
// kLongestCatchUp. The windows that show stand in one stack of windows in play (WindowStack),
// which owns, raises and focuses them; what changed on screen is told to a screen reader
// (Announcer). The rules' requests to the outside pass through it: it brings the screen in
// line first, then hands them on.
class Shell : public QObject, public ShellPort {
    Q_OBJECT
  public:
    explicit Shell(ShellPort& outside);
    ~Shell() override;

    void setGame(Game& game);

    // What the clock holds of one of the game's timers.
    class Timer {
      public:
        Timer(const Shell& shell, TimerId id) : shell_(shell), id_(id) {}
        bool isActive() const;
        int interval() const;
        // Milliseconds until its next tick; -1 while it does not run.
        std::int64_t remainingTime() const;

      private:
        const Shell& shell_;
        TimerId id_;
    };

    // The window, or nullptr while the game has not shown it yet or after it is gone.
    GameWindow* window(WindowId id) const { return windows_.window(id); }
    Timer timer(TimerId id) const { return Timer(*this, id); }
    // The one real timer, armed for the next tick that the player can see.
    const QTimer& wakeTimer() const { return wake_; }
    // The game's time in milliseconds (GameClock).
    std::int64_t now() const { return clock_.now(); }
    void setClock(std::function<std::int64_t()> clock) { clock_.setClock(std::move(clock)); }
    static constexpr std::int64_t kLongestCatchUp = GameClock::kLongestCatchUp;
    // The key that speaks the player's status to a screen reader, in every window of the game.
    static constexpr Qt::Key kStatusKey = Qt::Key_F2;
    // The window the player plays in, at the top of the windows in play, which message boxes
    // and file dialogs belong to; nullptr before any shows.
    QWidget* dialogOwner() const { return stack_.top(); }
    const WindowStack& windowStack() const { return stack_; }
    bool ended() const { return ended_; }

    // A tick of a running timer, now rather than when it falls due: its rule, then the screen.
    void tick(TimerId id);
    // Runs every tick due by now, so that what happens next sees them.
    void catchUp();

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override;
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override;
    bool keepGame(const std::vector<std::string>& lines) override;
    void forgetGame() override;
    void endProgram() override;
    std::optional<std::string> restartProgram() override;

    // The game in play was read from the slot of the last game (`--continue`).
    void continuedFromTheSlot() { keptGame_.continuedFromTheSlot(); }
    // Keeps the game in progress in the slot of the last game (KeptGame); the desktop asks it
    // before its session ends. Leaving the program keeps it too, and so does play once
    // kKeepEvery has passed since it was last kept.
    void keepTheGame();

  public slots:
    // Shows, hides, enables and renders the windows and starts, stops and restarts the timers
    // as the game state says.
    void sync();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The real timer's wake: the ticks due by now, then the screen.
    void wake();
    void syncTimers();
    // While a message box or a file dialog waits for the player's answer, no game time passes:
    // the game goes on from where it stood once he has answered.
    template <typename Ask>
    auto waitForTheAnswer(Ask ask);
    // Tells a screen reader, once, what the last action or the clock changed on screen.
    void speakChanges();
    void speakStatus();
    // A window just made: its handlers' changes to the game bring the screen in line.
    void follow(GameWindow& window);

    ShellPort& outside_;
    Game* game_ = nullptr;
    std::unique_ptr<Scheduler> scheduler_;
    WindowStack stack_;
    GameWindows windows_;
    QTimer wake_;
    GameClock clock_;
    bool syncing_ = false;
    bool syncAgain_ = false;
    bool ended_ = false;
    Announcer announcer_;
    bool playerActed_ = false;
    // A message told the player the outcome of his action.
    bool messageShown_ = false;
    KeptGame keptGame_;
};

}  // namespace tessaro
