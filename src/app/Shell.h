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
// window event, every tick due by then has run. The windows that show stand in one stack of
// windows in play (WindowStack); what changed on screen is told to a screen reader
// (Announcer); the game in progress is kept (KeptGame). The rules' requests to the outside
// pass through it: it brings the screen in line first, then hands them on.
class Shell : public QObject, public ShellPortRelay {
    Q_OBJECT
  public:
    explicit Shell(ShellPort& outside);
    ~Shell() override;

    void setGame(Game& game);

    // The window, or nullptr while the game has not shown it yet or after it is gone.
    GameWindow* window(WindowId id) const { return windows_.window(id); }
    // The game's timers as the clock holds them; nullptr before a game is set and once the
    // program has ended.
    const Scheduler* scheduler() const { return ended_ ? nullptr : scheduler_.get(); }
    // The game's time in milliseconds (GameClock).
    std::int64_t now() const { return clock_.now(); }
    void setClock(std::function<std::int64_t()> clock) { clock_.setClock(std::move(clock)); }
    // The window the player plays in, at the top of the windows in play, which message boxes
    // and file dialogs belong to; nullptr before any shows.
    QWidget* dialogOwner() const { return stack_.top(); }

    // A tick of a running timer, now rather than when it falls due: its rule, then the screen.
    void tick(TimerId id);
    // Runs every tick due by now, so that what happens next sees them.
    void catchUp();

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    void gameLoaded() override { keptGame_.loadedAnotherGame(); }
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
    // A change to the game that is still unwritten is written once it falls due, by a timer
    // that runs only while one waits.
    void keepWhenDue();
    // A fault of the slot is said once a run: on the terminal as it comes, and in the game
    // (where a Windows player has no terminal) once the player is not answering another box.
    void noteTheSlotFault();
    void tellTheSlotFault();
    // While a message box or a file dialog waits for the player's answer, no game time passes:
    // the game goes on from where it stood once he has answered.
    template <typename Ask>
    auto waitForTheAnswer(Ask ask);
    // The main window while it shows.
    const TfMain* mainShown() const;
    // A window just made: its handlers' changes to the game bring the screen in line.
    void follow(GameWindow& window);

    Game* game_ = nullptr;
    std::unique_ptr<Scheduler> scheduler_;
    WindowStack stack_;
    GameWindows windows_;
    QTimer wake_;
    QTimer keepDue_;
    std::int64_t keepDueAt_ = 0;
    std::optional<std::string> slotFault_;
    GameClock clock_;
    bool syncing_ = false;
    // Whether the player's last input was a key rather than the pointer.
    bool keyboardInUse_ = false;
    bool syncAgain_ = false;
    bool ended_ = false;
    Announcer announcer_;
    KeptGame keptGame_;
};

}  // namespace tessaro
