#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

#include "core/GameWindow.h"
#include "core/ShellPort.h"

namespace tessaro {

// Keeps the windows and the real timers in line with the game state. It makes a window the
// first time the game shows it, and one QTimer per row of the timer table. The rules' requests
// to the outside pass through it: it brings the screen in line first, then hands them on.
class Shell : public QObject, public ShellPort {
    Q_OBJECT
  public:
    explicit Shell(ShellPort& outside);
    ~Shell() override;

    void setGame(Game& game) { game_ = &game; }

    // The window, or nullptr while the game has not shown it yet or after it is gone.
    GameWindow* window(WindowId id) const { return windows_[static_cast<std::size_t>(id)].get(); }
    QTimer& timer(TimerId id) { return *timers_[static_cast<std::size_t>(id)]; }
    // The window the player plays in: the one that holds the game while the others wait
    // (the virus window over everything, then the about and congratulations windows, the open
    // activity window, the main window, the start window); nullptr before any shows. Message
    // boxes and file dialogs of the clock's rules belong to it.
    GameWindow* windowInPlay() const;
    // The window a message box or a file dialog belongs to: the one the player acted in, or
    // the window in play.
    QWidget* dialogOwner() const;
    bool ended() const { return ended_; }

    // A tick of a running timer: its rule, then the screen.
    void tick(TimerId id);

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;
    std::optional<std::string> writeSavedGame(const std::string& path,
                                              const std::vector<std::string>& lines) override;
    std::optional<std::string> readSavedGame(const std::string& path,
                                             std::vector<std::string>& lines) override;
    void endProgram() override;
    void restartProgram() override;

  public slots:
    // Shows, hides, enables and renders the windows and starts, stops and restarts the timers
    // as the game state says.
    void sync();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void syncTimers();
    void keepAboveMainWindow(GameWindow& window);
    void bringWindowInPlayForward();
    void syncWindows();
    GameWindow* create(std::size_t index);
    void retire(std::unique_ptr<GameWindow>& window);
    void stopTimers();

    ShellPort& outside_;
    Game* game_ = nullptr;
    std::array<std::unique_ptr<GameWindow>, kWindowCount> windows_{};
    std::array<std::unique_ptr<QTimer>, kTimerCount> timers_{};
    // The start count of each timer when its real timer was last started.
    std::array<std::uint32_t, kTimerCount> startsSeen_{};
    bool syncing_ = false;
    bool syncAgain_ = false;
    bool ended_ = false;
};

}  // namespace tessaro
