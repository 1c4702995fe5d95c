#include "app/WindowFocus.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/System.h"
#include "app/WindowRecords.h"
#include "app/WindowStack.h"
#include "widgets/ItemButton.h"

namespace tessaro {

WindowFocus::WindowFocus(const WindowStack& stack) : stack_(stack) {}

void WindowFocus::focusMoved(QWidget* control, Qt::FocusReason reason) {
    // Qt's own choice as the window becomes active (the first control, or the one that had the
    // focus) is not the player's: the opener is kept.
    if (reason == Qt::ActiveWindowFocusReason) {
        return;
    }
    Remembered* remembered = recordOf(remembered_, control->window());
    if (remembered == nullptr) {
        std::erase_if(remembered_, [](const Remembered& r) { return r.window == nullptr; });
        remembered = &remembered_.emplace_back(Remembered{control->window(), nullptr, false});
    }
    remembered->control = control;
    remembered->byKeyboard = isKeyboardFocus(reason);
}

void WindowFocus::keyboardArriving(const QWindow* window) {
    QWidget* inPlay = stack_.top();
    if (inPlay != nullptr && inPlay->windowHandle() == window && !inPlay->isActiveWindow()) {
        untoldActivation_ = inPlay;
    }
}

void WindowFocus::activated(QWidget* window) {
    if (window == stack_.top()) {
        tellAScreenReaderOfTheActivation(window);
        // Back from the desktop (restored, or the player came back from another program): Qt
        // gives the focus back unmarked; the control gets it as it had it.
        focusPending_ = true;
        QMetaObject::invokeMethod(this, &WindowFocus::restoreFocus, Qt::QueuedConnection);
    } else if (!window->isVisible()) {
        // A window manager that activated a window just as it closed again tells Qt so after
        // it has given the keyboard back to the window beneath, and tells no more.
        QMetaObject::invokeMethod(this, &WindowFocus::takeTheKeyboardBack, Qt::QueuedConnection);
    } else if (!stack_.takesInput(window)) {
        // A click on a window beneath activates it: the top comes forward instead.
        bringTopForwardSoon();
    }
}

void WindowFocus::besideShown() {
    ++focusTurn_;
}

void WindowFocus::besideHidden() {
    focusTopLater();
}

void WindowFocus::left(QWidget* window, bool wasTop) {
    std::erase_if(remembered_, [window](const Remembered& r) {
        return r.window == window || r.window == nullptr;
    });
    if (wasTop && stack_.top() != nullptr) {
        focusTopLater();
    }
}

void WindowFocus::focusTopLater() {
    focusPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, turn = ++focusTurn_] {
            // A window that showed meanwhile beside the top has the keyboard.
            if (turn == focusTurn_) {
                bringTopForward();
                restoreFocus();
            }
        },
        Qt::QueuedConnection);
}

void WindowFocus::bringTopForward() {
    QWidget* window = stack_.top();
    // A chain that the player minimised stays so until he brings any of it back.
    if (window == nullptr || window->isMinimized()) {
        return;
    }
    // A window standing beside it keeps the keyboard that the player gave it.
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != window && stack_.standsBeside(active)) {
        return;
    }
    window->raise();
    window->activateWindow();
    // The platform may give the keyboard to the window in play while a popup of the window that
    // left is still open (a file name's completions): Qt then keeps no window active, and asking
    // the platform again changes nothing that Qt would hear of.
    if (QGuiApplication::focusWindow() == window->windowHandle() &&
        QApplication::activeWindow() != window && QApplication::activePopupWidget() == nullptr) {
        QApplication::setActiveWindow(window);
    }
}

void WindowFocus::bringTopForwardSoon() {
    if (forwardQueued_) {
        return;
    }
    forwardQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            forwardQueued_ = false;
            bringTopForward();
        },
        Qt::QueuedConnection);
}

void WindowFocus::tellAScreenReaderOfTheActivation(QWidget* window) {
    if (untoldActivation_ != window) {
        return;
    }
    untoldActivation_ = nullptr;
    QAccessible::State active;
    active.active = true;
    QAccessibleStateChangeEvent activated(window, active);
    QAccessible::updateAccessibility(&activated);
}

void WindowFocus::takeTheKeyboardBack() {
    QWidget* window = stack_.top();
    if (window == nullptr || window->isMinimized()) {
        return;
    }
    focusPending_ = true;
    const QWindow* focus = QGuiApplication::focusWindow();
    if (focus == nullptr || focus->isVisible() || !sendTheKeyboardRoundAgain(window)) {
        bringTopForward();
    }
}

void WindowFocus::minimisedOrRestored(QWidget* window) {
    if (followQueued_) {
        return;
    }
    // Many window managers minimise or restore the windows a window owns with it: the rest
    // follows a moment later, once the window manager has done what it does.
    followQueued_ = true;
    QTimer::singleShot(kFollowDelay, this, [this, changed = QPointer<QWidget>(window)] {
        followQueued_ = false;
        const std::vector<QWidget*> chain = stack_.windows();
        if (changed == nullptr || std::find(chain.begin(), chain.end(), changed) == chain.end()) {
            return;
        }
        const bool minimised = changed->isMinimized();
        for (QWidget* other : chain) {
            if (other->isMinimized() != minimised) {
                if (minimised) {
                    other->showMinimized();
                } else {
                    other->showNormal();
                }
            }
        }
        if (!minimised) {
            focusTopLater();
        }
    });
}

void WindowFocus::restoreFocus() {
    QWidget* window = stack_.top();
    if (!focusPending_ || window == nullptr) {
        focusPending_ = false;
        return;
    }
    // Until the window is active, Qt would only note the control, and give it the focus with
    // the window's activation, unmarked.
    if (!window->isActiveWindow()) {
        return;
    }
    focusPending_ = false;
    const Remembered* remembered = recordOf(remembered_, window);
    QWidget* control = remembered != nullptr ? remembered->control : nullptr;
    if (control == nullptr || !control->isEnabled() || !control->isVisibleTo(window)) {
        // Never without a focus of its own: from the window itself Tab starts at its first item.
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus->window() != window) {
            window->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (remembered->byKeyboard && control->hasFocus()) {
        control->clearFocus();
    }
    control->setFocus(remembered->byKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

}  // namespace tessaro
