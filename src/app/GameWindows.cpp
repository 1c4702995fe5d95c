#include "app/GameWindows.h"

#include "app/WindowTable.h"

namespace tessaro {

GameWindows::GameWindows(WindowStack& stack, std::function<void(GameWindow&)> made)
    : stack_(stack), made_(std::move(made)) {}

GameWindows::~GameWindows() {
    retireAll();
}

void GameWindows::retireAll() {
    for (auto& window : windows_) {
        retire(window);
    }
}

void GameWindows::retire(std::unique_ptr<GameWindow>& window) {
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

void GameWindows::hideAll() {
    for (auto& window : windows_) {
        if (window != nullptr) {
            window->hide();
        }
    }
}

void GameWindows::sync(Game& game, bool byKeyboard) {
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        const WindowState& wanted = game.windows[i];
        GameWindow* window = windows_[i].get();
        if (window == nullptr) {
            // A window the game has not shown yet has no effect, so it is made only now.
            if (!wanted.shown) {
                continue;
            }
            window = create(game, i);
        }
        if (window->isEnabled() != wanted.enabled) {
            window->setEnabled(wanted.enabled);
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
            // Shown, it joins the windows in play at the top, owned by the window beneath.
            window->openedByKeyboard(byKeyboard);
            // At its own size, whatever the platform would do with a window shown: the browser
            // would spread the main window over the whole page.
            window->setVisible(true);
            window->centreWithItsFrame();
            window->activateWindow();
        }
    }
}

GameWindow* GameWindows::create(Game& game, std::size_t index) {
    windows_[index] = windowTable()[index].create(game);
    GameWindow* window = windows_[index].get();
    stack_.adopt(window, windowTable()[index].standsBeside);
    made_(*window);
    return window;
}

}  // namespace tessaro
