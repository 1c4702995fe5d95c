#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "core/GameWindow.h"
#include "core/ShellPort.h"
#include "windows/Outside.h"

namespace tessaro {

// Keeps the windows and the real timers in line with the game state, and answers the
// rules' requests for messages and for the end of the program.
class Shell : public QObject, public ShellPort {
    Q_OBJECT
  public:
    Shell(MessagePresenter& messages, ProgramControl& control);

    void setGame(const GameState& state) { state_ = &state; }
    void addWindow(GameWindow* window);
    QTimer& timer(TimerId id) { return *timers_[static_cast<std::size_t>(id)]; }
    bool ended() const { return ended_; }

    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    void endProgram() override;
    void restartProgram() override;

  public slots:
    // Shows, hides, enables and renders the windows and starts and stops the timers as the
    // game state says.
    void sync();

  private:
    void syncOnce();
    void stopTimers();

    MessagePresenter& messages_;
    ProgramControl& control_;
    const GameState* state_ = nullptr;
    std::array<QPointer<GameWindow>, kWindowCount> windows_{};
    std::array<std::unique_ptr<QTimer>, kTimerCount> timers_{};
    bool syncing_ = false;
    bool syncAgain_ = false;
    bool ended_ = false;
};

}  // namespace tessaro
