#include "app/WindowStack.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <utility>

#include "app/System.h"
#include "widgets/ItemButton.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

WindowStack::WindowStack() {
    clock_.start();
}

QWidget* WindowStack::top() const {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->window != nullptr) {
            return entry->window;
        }
    }
    return nullptr;
}

std::vector<QWidget*> WindowStack::windows() const {
    std::vector<QWidget*> windows;
    for (const Entry& entry : entries_) {
        if (entry.window != nullptr) {
            windows.push_back(entry.window);
        }
    }
    return windows;
}

void WindowStack::adopt(QWidget* window, bool standsBeside) {
    std::erase(adopted_, nullptr);
    adopted_.emplace_back(window);
    if (standsBeside) {
        beside_.push_back({window, nullptr});
    }
}

bool WindowStack::ours(const QWidget* window) const {
    if (std::find(adopted_.begin(), adopted_.end(), window) != adopted_.end()) {
        return true;
    }
    const QWidget* parent = window->parentWidget();
    return parent != nullptr &&
           std::any_of(entries_.begin(), entries_.end(),
                       [parent](const Entry& entry) { return entry.window == parent->window(); });
}

bool WindowStack::takesInput(const QWidget* window) const {
    const QWidget* inPlay = top();
    if (window == nullptr || inPlay == nullptr) {
        return false;
    }
    if (window == inPlay) {
        return true;
    }
    const Beside* beside = besideOf(window);
    return beside != nullptr && beside->owner == inPlay && window->isVisible();
}

bool WindowStack::joins(const QWidget* window) {
    // Windows and dialogs; menus, tool tips and completions are part of the window they serve.
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

WindowStack::Entry* WindowStack::entryOf(const QWidget* window) {
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [window](const Entry& e) { return e.window == window; });
    return entry == entries_.end() ? nullptr : &*entry;
}

const WindowStack::Beside* WindowStack::besideOf(const QWidget* window) const {
    const auto beside = std::find_if(beside_.begin(), beside_.end(),
                                     [window](const Beside& b) { return b.window == window; });
    return beside == beside_.end() ? nullptr : &*beside;
}

WindowStack::Beside* WindowStack::besideOf(const QWidget* window) {
    return const_cast<Beside*>(std::as_const(*this).besideOf(window));
}

bool WindowStack::watches(QWidget* window) {
    return entryOf(window) != nullptr || besideOf(window) != nullptr ||
           (!window->isVisible() && joins(window) && ours(window));
}

bool WindowStack::filter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
        case QEvent::WindowActivate:
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            break;
        default:
            return false;
    }
    if (event->type() == QEvent::FocusIn && watched->isWindowType()) {
        noteTheKeyboardArriving(static_cast<QWindow*>(watched));
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
            // A window that the desktop brings back (restored from its icon) was never gone.
            if (widget->isWindow() && !event->spontaneous()) {
                if (Beside* beside = besideOf(widget)) {
                    beside->owner = top();
                    ++focusTurn_;
                    chain();
                } else {
                    join(widget);
                }
            }
            return false;
        case QEvent::Hide:
            if (widget->isWindow()) {
                // A key that closed its window (Return in a dialog) comes up where the game may
                // never hear it: it is held no more.
                std::erase_if(heldKeys_, [widget](const auto& held) {
                    return held.second == nullptr || held.second == widget;
                });
            }
            if (widget->isWindow() && !event->spontaneous()) {
                if (Beside* beside = besideOf(widget)) {
                    beside->owner = nullptr;
                    // The keyboard goes back to the window in play, to the control it had.
                    focusTopLater();
                } else {
                    leave(widget);
                }
            }
            return false;
        case QEvent::WindowStateChange:
            if (widget->isWindow() && ((static_cast<QWindowStateChangeEvent*>(event)->oldState() ^
                                        widget->windowState()) &
                                       Qt::WindowMinimized)) {
                followMinimised(widget);
            }
            return false;
        case QEvent::WindowActivate:
            if (!widget->isWindow() || !watches(widget)) {
                return false;
            }
            if (widget == top()) {
                tellAScreenReaderOfTheActivation(widget);
                // Back from the desktop (restored, or the player came back from another
                // program): Qt gives the focus back unmarked; the control gets it as it had it.
                focusPending_ = true;
                QMetaObject::invokeMethod(this, &WindowStack::restoreFocus, Qt::QueuedConnection);
            } else if (!widget->isVisible()) {
                // A window manager that activated a window just as it closed again tells Qt so
                // after it has given the keyboard back to the window beneath, and tells no more.
                QMetaObject::invokeMethod(this, &WindowStack::takeTheKeyboardBack,
                                          Qt::QueuedConnection);
            } else if (!takesInput(widget)) {
                // A click on a window beneath activates it: the top comes forward instead.
                bringTopForwardSoon();
            }
            return false;
        case QEvent::FocusIn:
            if (!widget->isWindow()) {
                if (Entry* entry = entryOf(widget->window())) {
                    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                    // Qt's own choice as the window becomes active (the first control, or the
                    // one that had the focus) is not the player's: the opener is kept.
                    if (reason != Qt::ActiveWindowFocusReason) {
                        entry->focus = widget;
                        entry->keyboardFocus = isKeyboardFocus(reason);
                    }
                }
            }
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                if (event->type() == QEvent::KeyPress) {
                    heldKeys_[key->key()] = widget->window();
                } else {
                    heldKeys_.erase(key->key());
                }
            }
            return dropsInput(widget, event);
        }
        default:
            return dropsInput(widget, event);
    }
}

bool WindowStack::dropsInput(QWidget* target, QEvent* event) {
    QWidget* window = target->window();
    if (!watches(window)) {
        return false;
    }
    if (takesInput(window)) {
        Entry* entry = entryOf(window);
        return entry != nullptr && keyForUninvited(*entry, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            bringTopForwardSoon();
            break;
        case QEvent::KeyPress:
            bringTopForward();
            forwardKey(event);
            break;
        case QEvent::KeyRelease:
            forwardKey(event);
            break;
        case QEvent::ShortcutOverride:
            // Taken here, so that no shortcut of the window beneath fires either.
            event->accept();
            break;
        default:
            break;
    }
    return true;
}

bool WindowStack::keyForUninvited(Entry& top, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!top.uninvited || (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
                           type != QEvent::ShortcutOverride)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool held = top.heldKeys.count(key->key()) > 0;
    if (held && type == QEvent::KeyRelease && !key->isAutoRepeat()) {
        top.heldKeys.erase(key->key());
    }
    if (held || clock_.elapsed() - top.arrivedAt < kFirstMoment) {
        if (type == QEvent::ShortcutOverride) {
            event->accept();
        }
        return true;
    }
    return false;
}

void WindowStack::join(QWidget* window) {
    if (!joins(window) || entryOf(window) != nullptr || !ours(window)) {
        return;
    }
    std::erase_if(entries_, [](const Entry& entry) { return entry.window == nullptr; });
    Entry entry;
    entry.window = window;
    if (uninvited_ > 0) {
        entry.uninvited = true;
        entry.arrivedAt = clock_.elapsed();
        for (const auto& [key, window] : heldKeys_) {
            entry.heldKeys.insert(key);
        }
    }
    entries_.push_back(entry);
    chain();
}

void WindowStack::leave(QWidget* window) {
    const bool wasTop = window == top();
    const auto removed = std::erase_if(entries_, [window](const Entry& entry) {
        return entry.window == window || entry.window == nullptr;
    });
    if (removed == 0) {
        return;
    }
    enableActions(window, true);
    chain();
    if (wasTop && !entries_.empty()) {
        focusTopLater();
    }
}

void WindowStack::focusTopLater() {
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

void WindowStack::chain() {
    QWidget* inPlay = top();
    QWindow* beneath = nullptr;
    for (const Entry& entry : entries_) {
        // Made native now if need be: the owner must be known before the window maps.
        entry.window->winId();
        QWindow* handle = entry.window->windowHandle();
        // A caption that the game draws shows whether its window is in play.
        if (auto* caption = entry.window->findChild<WindowCaption*>()) {
            caption->update();
        }
        if (handle->transientParent() != beneath) {
            handle->setTransientParent(beneath);
        }
        beneath = handle;
        enableActions(entry.window, entry.window == inPlay);
    }
    // One beside a window that has left stands beside the window now in play.
    for (Beside& beside : beside_) {
        if (beside.window == nullptr || !beside.window->isVisible()) {
            continue;
        }
        if (beside.owner == nullptr || entryOf(beside.owner) == nullptr) {
            beside.owner = inPlay;
        }
        beside.window->winId();
        QWindow* owner = beside.owner != nullptr ? beside.owner->windowHandle() : nullptr;
        if (beside.window->windowHandle()->transientParent() != owner) {
            beside.window->windowHandle()->setTransientParent(owner);
        }
        enableActions(beside.window, takesInput(beside.window));
    }
}

void WindowStack::enableActions(QWidget* window, bool enabled) {
    if (enabled) {
        std::erase_if(disabledActions_, [window](const DisabledAction& disabled) {
            if (disabled.window != window && disabled.window != nullptr) {
                return false;
            }
            if (disabled.action != nullptr) {
                disabled.action->setEnabled(true);
            }
            return true;
        });
        return;
    }
    // The actions that do something; a menu's own action only opens it.
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->isEnabled() && action->menu<QMenu*>() == nullptr && !action->isSeparator()) {
            action->setEnabled(false);
            disabledActions_.push_back({window, action});
        }
    }
}

void WindowStack::forwardKey(const QEvent* event) {
    // Where the desktop leaves the keyboard with a window beneath (a Wayland compositor may
    // refuse to activate the window in play), the keys go to the window in play all the same.
    QWidget* window = top();
    if (window == nullptr || !window->isEnabled() || window->isMinimized()) {
        return;
    }
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    const std::unique_ptr<QEvent> key(event->clone());
    key->setAccepted(false);
    QCoreApplication::sendEvent(target, key.get());
}

void WindowStack::bringTopForward() {
    QWidget* window = top();
    if (window == nullptr) {
        return;
    }
    // A chain that the player minimised stays so until he brings any of it back.
    if (window->isMinimized()) {
        return;
    }
    // A window standing beside it keeps the keyboard that the player gave it.
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != window && besideOf(active) != nullptr &&
        takesInput(active)) {
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

void WindowStack::noteTheKeyboardArriving(const QWindow* window) {
    const QWidget* inPlay = top();
    if (inPlay != nullptr && inPlay->windowHandle() == window && !inPlay->isActiveWindow()) {
        untoldActivation_ = const_cast<QWidget*>(inPlay);
    }
}

void WindowStack::tellAScreenReaderOfTheActivation(QWidget* window) {
    if (untoldActivation_ != window) {
        return;
    }
    untoldActivation_ = nullptr;
    QAccessible::State active;
    active.active = true;
    QAccessibleStateChangeEvent activated(window, active);
    QAccessible::updateAccessibility(&activated);
}

void WindowStack::bringTopForwardSoon() {
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

void WindowStack::takeTheKeyboardBack() {
    QWidget* window = top();
    if (window == nullptr || window->isMinimized()) {
        return;
    }
    focusPending_ = true;
    const QWindow* focus = QGuiApplication::focusWindow();
    if (focus == nullptr || focus->isVisible() || !sendTheKeyboardRoundAgain(window)) {
        bringTopForward();
    }
}

void WindowStack::followMinimised(QWidget* window) {
    if (entryOf(window) == nullptr || followQueued_) {
        return;
    }
    // Many window managers minimise or restore the windows a window owns with it: the rest
    // follows a moment later, once the window manager has done what it does.
    followQueued_ = true;
    QTimer::singleShot(kFollowDelay, this, [this, changed = QPointer<QWidget>(window)] {
        followQueued_ = false;
        if (changed == nullptr || entryOf(changed) == nullptr) {
            return;
        }
        const bool minimised = changed->isMinimized();
        for (QWidget* other : windows()) {
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

void WindowStack::restoreFocus() {
    if (!focusPending_ || entries_.empty()) {
        focusPending_ = false;
        return;
    }
    const Entry& top = entries_.back();
    // Until the window is active, Qt would only note the control, and give it the focus with
    // the window's activation, unmarked.
    if (top.window == nullptr || !top.window->isActiveWindow()) {
        return;
    }
    focusPending_ = false;
    QWidget* control = top.focus;
    if (control == nullptr || !control->isEnabled() || !control->isVisibleTo(top.window)) {
        // Never without a focus of its own: from the window itself Tab starts at its first item.
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus->window() != top.window) {
            top.window->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (top.keyboardFocus && control->hasFocus()) {
        control->clearFocus();
    }
    control->setFocus(top.keyboardFocus ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

}  // namespace tessaro
