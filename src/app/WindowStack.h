#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <set>
#include <vector>

namespace tessaro {

// The windows in play, bottom first: the main window, the activity window over it, and over
// that whatever came last (the virus window, a message box, a file dialog, the about window
// opened from the congratulations). A window joins when it shows and leaves when it hides. Each
// is owned (transient) by the window directly beneath it, so that a window manager keeps the
// chain in order and raises it together. Only the top takes input, by any road: a click or a
// key meant for a window beneath brings the top forward with the focus instead, and the key
// goes to the top; the menu actions of a window beneath are disabled, so that neither a
// shortcut nor a screen reader's Press reaches them. Minimising any window of the chain
// minimises all of it; restoring any restores all, the top in front with its focused control.
// A window that comes uninvited (the clock, not the player, brought it) ignores the keyboard
// for its first moment and any key already held down when it came. When a window leaves, the
// focus goes back to the control that had it in the window beneath: the one that opened it.
// Whatever order the desktop's events come in, the keyboard never stays with a hidden window.
// Qt's own modality would not do: it drops the keys that a compositor leaves with a window
// beneath (weston does) before any filter sees them, and it does not hold a screen reader's
// Press, which the items refuse by `takesInput` themselves.
//
// A window that stands beside (the about window opened from the main menu, which leaves the
// main window usable) does not join the chain: owned by the window in play when it shows and
// above it, it takes input while that window is in play and takes none away from it.
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
    // Takes in one of the game's windows: it joins the windows in play whenever it shows, or
    // stands beside the window in play. The dialogs of a window in play join by themselves;
    // windows of no game (another program's, in a test that runs two) are left alone.
    void adopt(QWidget* window, bool standsBeside = false);
    // Whether the window may take the player's input now: the window in play, or one that
    // stands beside it.
    bool takesInput(const QWidget* window) const;
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

    // Whether a window that shows now comes uninvited.
    bool bringsUninvited() const { return uninvited_ > 0; }

    // Follows every event of the application; true when the event is not for the window it
    // was sent to, and is dropped.
    bool filter(QObject* watched, QEvent* event);
    // Raises the top and gives it the keyboard.
    void bringTopForward();
    // The same once the events in hand are handled: a click on a window beneath and the
    // activation that the desktop gives that window for it ask for the top once when they come
    // together.
    void bringTopForwardSoon();

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

    // A window standing beside, and the window in play it stands beside while it shows.
    struct Beside {
        QPointer<QWidget> window;
        QPointer<QWidget> owner;
    };

    static bool joins(const QWidget* window);
    // Whether the window is the game's: adopted, or a dialog of a window in play.
    bool ours(const QWidget* window) const;
    Entry* entryOf(const QWidget* window);
    Beside* besideOf(const QWidget* window);
    const Beside* besideOf(const QWidget* window) const;
    // Whether the stack decides who takes this window's input and activation: a window in
    // play, one beside, or one of the game's that has gone (a desktop late with the keyboard's
    // focus still sends to it).
    bool watches(QWidget* window);
    void join(QWidget* window);
    void leave(QWidget* window);
    // Each window owned by the one beneath it, and the actions of those that take no input
    // disabled.
    void chain();
    void enableActions(QWidget* window, bool enabled);
    // After the window in play changed or came back: it comes forward and its focused control
    // gets the focus back, with its mark if the keyboard had put it there.
    void focusTopLater();
    // Whether an event of the pointer or the keyboard is dropped: it is meant for a window
    // beneath the top, or is a key too early for a window that came uninvited.
    bool dropsInput(QWidget* target, QEvent* event);
    bool keyForUninvited(Entry& top, QEvent* event);
    // Hands a key meant for a window beneath to the window in play.
    void forwardKey(const QEvent* event);
    void followMinimised(QWidget* window);
    // Gives the keyboard back to the window in play where Qt believes a window that has gone
    // still has it.
    void takeTheKeyboardBack();
    void restoreFocus();
    // Qt tells a screen reader that a window has the keyboard as the platform gives it, in the
    // words of that moment: a window that gets it before Qt counts it active (a popup of the
    // window that left was still open) is told as deactivated, and nothing more once Qt does
    // count it active. Such a window in play is told again then.
    void noteTheKeyboardArriving(const QWindow* window);
    void tellAScreenReaderOfTheActivation(QWidget* window);

    std::vector<Entry> entries_;
    std::vector<Beside> beside_;
    std::vector<QPointer<QWidget>> adopted_;
    // The actions that the stack disabled in windows that take no input, to enable again.
    struct DisabledAction {
        QPointer<QWidget> window;
        QPointer<QAction> action;
    };
    std::vector<DisabledAction> disabledActions_;
    // The keys held down, each with the window that its press went to.
    std::map<int, QPointer<QWidget>> heldKeys_;
    QElapsedTimer clock_;
    int uninvited_ = 0;
    bool followQueued_ = false;
    bool forwardQueued_ = false;
    // The window in play gets its focused control back once it is active.
    bool focusPending_ = false;
    // Counts the keyboard's hand-overs, so that a later one cancels one still waiting.
    int focusTurn_ = 0;
    QPointer<QWidget> untoldActivation_;
};

}  // namespace tessaro
