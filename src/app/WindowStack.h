#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <set>
#include <vector>

namespace tessaro {

// The windows in play, bottom first: the main window, the activity window over it, and over
// that whatever came last (the virus window, a message box, a file dialog, the about window).
// A window joins when it shows and leaves when it hides. Each is owned (transient) by the
// window directly beneath it, so that a window manager keeps the chain in order and raises it
// together. Only the top takes input: a click or a key meant for a window beneath brings the
// top forward with the focus instead, and the key goes to the top. Minimising any window of the
// chain minimises all of it; restoring any restores all, the top in front. A window that comes
// uninvited (the clock, not the player, brought it) ignores the keyboard for its first moment and
// any key already held down when it came. When a window leaves, the focus goes back to the control
// that had it in the window beneath: the one that opened it.
class WindowStack : public QObject {
    Q_OBJECT
  public:
    // How long a window that came uninvited ignores the keyboard, in milliseconds: longer than
    // a key typed for another window takes to arrive, shorter than a player takes to read.
    static constexpr int kFirstMoment = 500;
    // How long the rest of the chain waits before it follows a window minimised or restored.
    static constexpr int kFollowDelay = 150;

    WindowStack();

    // The window in play; nullptr while none shows.
    QWidget* top() const;
    // The windows bottom first.
    std::vector<QWidget*> windows() const;

    // While one of these lives, windows that show come uninvited.
    class Uninvited {
      public:
        explicit Uninvited(WindowStack& stack) : stack_(stack) { ++stack_.uninvited_; }
        ~Uninvited() { --stack_.uninvited_; }
        Uninvited(const Uninvited&) = delete;
        Uninvited& operator=(const Uninvited&) = delete;

      private:
        WindowStack& stack_;
    };

    // Follows every event of the application; true when the event is not for the window it
    // was sent to, and is dropped.
    bool filter(QObject* watched, QEvent* event);
    // Raises the top and gives it the keyboard.
    void bringTopForward();

  private:
    struct Entry {
        QPointer<QWidget> window;
        // The control that last had the focus in this window, and whether the keyboard took
        // it there.
        QPointer<QWidget> focus;
        bool keyboardFocus = false;
        // Uninvited: when it came, and the keys held down then.
        bool uninvited = false;
        qint64 arrivedAt = 0;
        std::set<int> heldKeys;
    };

    static bool joins(const QWidget* window);
    Entry* entryOf(const QWidget* window);
    void join(QWidget* window);
    void leave(QWidget* window);
    // Each window owned by the one beneath it.
    void chain();
    // Whether an event of the pointer or the keyboard is dropped: it is meant for a window
    // beneath the top, or is a key too early for a window that came uninvited.
    bool dropsInput(QWidget* target, QEvent* event);
    bool keyForUninvited(Entry& top, QEvent* event);
    // Hands a key meant for a window beneath to the window in play.
    void forwardKey(const QEvent* event);
    void followMinimised(QWidget* window);
    void restoreFocus();

    std::vector<Entry> entries_;
    std::set<int> heldKeys_;
    QElapsedTimer clock_;
    int uninvited_ = 0;
    bool followQueued_ = false;
    bool forwardQueued_ = false;
    // The window in play gets its focused control back once it is active.
    bool focusPending_ = false;
};

}  // namespace tessaro
