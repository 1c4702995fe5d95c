#include "app/WindowStack.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "app/WindowRecords.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

WindowStack::WindowStack() : focus_(*this) {
    focus_.setParent(this);
    clock_.start();
}

QWidget* WindowStack::top() const {
    const auto entry = std::find_if(entries_.rbegin(), entries_.rend(),
                                    [](const Entry& e) { return e.window != nullptr; });
    return entry == entries_.rend() ? nullptr : entry->window.data();
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
    return parent != nullptr && recordOf(entries_, parent->window()) != nullptr;
}

bool WindowStack::takesInput(const QWidget* window) const {
    return window != nullptr && (window == top() || standsBeside(window));
}

bool WindowStack::standsBeside(const QWidget* window) const {
    return recordOf(beside_, window) != nullptr && window->isVisible();
}

bool WindowStack::joins(const QWidget* window) {
    // Windows and dialogs; menus, tool tips and completions are part of the window they serve.
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

bool WindowStack::watches(const QWidget* window) const {
    return recordOf(entries_, window) != nullptr || recordOf(beside_, window) != nullptr ||
           (!window->isVisible() && joins(window) && ours(window));
}

bool WindowStack::filter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched->isWindowType()) {
        focus_.keyboardArriving(static_cast<QWindow*>(watched));
        return false;
    }
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Show:
            // A window that the desktop brings back (restored from its icon) was never gone.
            if (widget->isWindow() && !event->spontaneous()) {
                shown(widget);
            }
            return false;
        case QEvent::Hide:
            if (widget->isWindow()) {
                // A key that closed its window (Return in a dialog) comes up where the game may
                // never hear it: it is held no more.
                std::erase_if(heldKeys_, [widget](const auto& held) {
                    return held.second == nullptr || held.second == widget;
                });
                // A window that the desktop minimises is not gone.
                if (!event->spontaneous()) {
                    hidden(widget);
                }
            }
            return false;
        case QEvent::WindowStateChange:
            if (widget->isWindow() && recordOf(entries_, widget) != nullptr &&
                ((static_cast<QWindowStateChangeEvent*>(event)->oldState() ^
                  widget->windowState()) &
                 Qt::WindowMinimized)) {
                focus_.minimisedOrRestored(widget);
            }
            return false;
        case QEvent::WindowActivate:
            if (widget->isWindow() && watches(widget)) {
                focus_.activated(widget);
            }
            return false;
        case QEvent::FocusIn:
            if (!widget->isWindow() && recordOf(entries_, widget->window()) != nullptr) {
                focus_.focusMoved(widget, static_cast<QFocusEvent*>(event)->reason());
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The window beneath refuses the click by itself; the window in play comes forward.
            if (watches(widget->window()) && !takesInput(widget->window())) {
                focus_.bringTopForwardSoon();
            }
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && event->type() != QEvent::ShortcutOverride) {
                if (event->type() == QEvent::KeyPress) {
                    heldKeys_[key->key()] = widget->window();
                } else {
                    heldKeys_.erase(key->key());
                }
            }
            return dropsKey(widget, event);
        }
        default:
            return false;
    }
}

void WindowStack::shown(QWidget* window) {
    if (Beside* beside = recordOf(beside_, window)) {
        beside->owner = top();
        focus_.besideShown();
        chain();
        return;
    }
    if (!joins(window) || recordOf(entries_, window) != nullptr || !ours(window)) {
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

void WindowStack::hidden(QWidget* window) {
    if (Beside* beside = recordOf(beside_, window)) {
        beside->owner = nullptr;
        focus_.besideHidden();
        return;
    }
    const bool wasTop = window == top();
    const auto removed = std::erase_if(entries_, [window](const Entry& entry) {
        return entry.window == window || entry.window == nullptr;
    });
    if (removed > 0) {
        chain();
        focus_.left(window, wasTop);
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
    // One beside a window that has left stands beside the window now in play.
    for (Beside& beside : beside_) {
        if (beside.window == nullptr || !beside.window->isVisible()) {
            continue;
        }
        if (beside.owner == nullptr || recordOf(entries_, beside.owner) == nullptr) {
            beside.owner = top();
        }
        beside.window->winId();
        QWindow* owner = beside.owner != nullptr ? beside.owner->windowHandle() : nullptr;
        if (beside.window->windowHandle()->transientParent() != owner) {
            beside.window->windowHandle()->setTransientParent(owner);
        }
    }
}

bool WindowStack::dropsKey(QWidget* target, QEvent* event) {
    QWidget* window = target->window();
    if (!watches(window)) {
        return false;
    }
    if (takesInput(window)) {
        Entry* entry = recordOf(entries_, window);
        return entry != nullptr && keyForUninvited(*entry, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            focus_.bringTopForward();
            forwardKey(event);
            break;
        case QEvent::KeyRelease:
            forwardKey(event);
            break;
        default:
            // Taken here, so that no shortcut of the window beneath fires either.
            event->accept();
            break;
    }
    return true;
}

bool WindowStack::keyForUninvited(Entry& top, QEvent* event) {
    if (!top.uninvited) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool held = top.heldKeys.count(key->key()) > 0;
    if (held && event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
        top.heldKeys.erase(key->key());
    }
    if (held || clock_.elapsed() - top.arrivedAt < kFirstMoment) {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
        }
        return true;
    }
    return false;
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

}  // namespace tessaro
