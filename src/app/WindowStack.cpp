#include "app/WindowStack.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "core/ActionLabel.h"
#include "core/WindowCaption.h"

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
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
            // A window that the desktop brings back (restored from its icon) was never gone.
            if (widget->isWindow() && !event->spontaneous()) {
                join(widget);
            }
            return false;
        case QEvent::Hide:
            if (widget->isWindow() && !event->spontaneous()) {
                leave(widget);
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
            if (widget->isWindow() && entryOf(widget) != nullptr) {
                // A click on a window beneath activates it; the top comes forward instead.
                if (widget != top() && !forwardQueued_) {
                    forwardQueued_ = true;
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            forwardQueued_ = false;
                            bringTopForward();
                        },
                        Qt::QueuedConnection);
                } else if (widget == top() && focusPending_) {
                    // After Qt has given the window its focus.
                    QMetaObject::invokeMethod(this, &WindowStack::restoreFocus,
                                              Qt::QueuedConnection);
                }
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
                    heldKeys_.insert(key->key());
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
    Entry* entry = entryOf(target->window());
    if (entry == nullptr) {
        return false;
    }
    if (entry->window == top()) {
        return keyForUninvited(*entry, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            bringTopForward();
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
    if (!joins(window) || entryOf(window) != nullptr) {
        return;
    }
    std::erase_if(entries_, [](const Entry& entry) { return entry.window == nullptr; });
    Entry entry;
    entry.window = window;
    if (uninvited_ > 0) {
        entry.uninvited = true;
        entry.arrivedAt = clock_.elapsed();
        entry.heldKeys = heldKeys_;
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
    chain();
    if (wasTop && !entries_.empty()) {
        focusPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                bringTopForward();
                restoreFocus();
            },
            Qt::QueuedConnection);
    }
}

void WindowStack::chain() {
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
    window->raise();
    window->activateWindow();
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
            bringTopForward();
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
        return;
    }
    if (top.keyboardFocus && control->hasFocus()) {
        control->clearFocus();
    }
    control->setFocus(top.keyboardFocus ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

}  // namespace tessaro
