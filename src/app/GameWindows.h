#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "app/WindowStack.h"
#include "widgets/GameWindow.h"

namespace tessaro {

// The game's windows, as the game state says: each made the first time the game shows it, then
// shown, hidden, enabled and rendered; one that the game shows only once goes when it hides.
// A window that shows joins the windows in play (WindowStack), centred on the screen.
class GameWindows : public QObject {
  public:
    // `made` is told of each window as it is made, before it first shows.
    GameWindows(WindowStack& stack, std::function<void(GameWindow&)> made);
    ~GameWindows() override;

    // The window, or nullptr while the game has not shown it yet or after it is gone.
    GameWindow* window(WindowId id) const { return windows_[static_cast<std::size_t>(id)].get(); }

    // Brings every window in line with the game state.
    void sync(Game& game, bool byKeyboard);
    void hideAll();
    // Destroys every window, each while it is still whole.
    void retireAll();

  private:
    GameWindow* create(Game& game, std::size_t index);
    void retire(std::unique_ptr<GameWindow>& window);

    WindowStack& stack_;
    std::function<void(GameWindow&)> made_;
    std::array<std::unique_ptr<GameWindow>, kWindowCount> windows_{};
};

}  // namespace tessaro
