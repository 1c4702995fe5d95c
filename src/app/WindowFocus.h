#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

class QWindow;

namespace tessaro {

class WindowStack;

// Where the keyboard goes among the windows in play (WindowStack):
// - the window in play comes forward with the keyboard when it changes, and when the desktop
//   gives a window beneath the keyboard or the click;
// - its control gets the focus back that it had, with its mark if the keyboard had put it
//   there: when a window over it leaves, the focus goes back to the control that opened it;
// - minimising any window of the chain minimises all of it; restoring any restores all, the
//   window in play in front with its focused control;
// - whatever order the desktop's events come in, the keyboard never stays with a hidden
//   window, and a screen reader hears the window in play activated.
class WindowFocus : public QObject {
    Q_OBJECT
  public:
    // How long the rest of the chain waits before it follows a window minimised or restored.
    static constexpr int kFollowDelay = 150;

    explicit WindowFocus(const WindowStack& stack);

    // What the stack sees of the desktop.
    // A control of a window in play got the focus.
    void focusMoved(QWidget* control, Qt::FocusReason reason);
    // The platform gave a window the keyboard (before Qt may count it active).
    void keyboardArriving(const QWindow* window);
    // One of the game's windows became active.
    void activated(QWidget* window);
    // A window in play was minimised or restored by the desktop.
    void minimisedOrRestored(QWidget* window);
    // A window beside the window in play showed, and has the keyboard.
    void besideShown();
    // A window left the windows in play; the window beneath takes the keyboard back if the
    // window that left was in play.
    void left(QWidget* window, bool wasTop);
    // A window beside hid: the window in play takes the keyboard back.
    void besideHidden();

    // Raises the window in play and gives it the keyboard.
    void bringTopForward();
    // The same once the events in hand are handled: a click on a window beneath and the
    // activation that the desktop gives that window for it ask for the top once when they come
    // together.
    void bringTopForwardSoon();

  private:
    // The control that last had the focus in a window in play, and whether the keyboard took
    // it there.
    struct Remembered {
        QPointer<QWidget> window;
        QPointer<QWidget> control;
        bool byKeyboard = false;
    };

    // After the window in play changed or came back: it comes forward and its focused control
    // gets the focus back.
    void focusTopLater();
    // Gives the keyboard back to the window in play where Qt believes a window that has gone
    // still has it.
    void takeTheKeyboardBack();
    void restoreFocus();
    // Qt tells a screen reader that a window has the keyboard as the platform gives it, in the
    // words of that moment: a window that gets it before Qt counts it active (a popup of the
    // window that left was still open) is told as deactivated, and nothing more once Qt does
    // count it active. Such a window in play is told again then.
    void tellAScreenReaderOfTheActivation(QWidget* window);

    const WindowStack& stack_;
    std::vector<Remembered> remembered_;
    bool followQueued_ = false;
    bool forwardQueued_ = false;
    // The window in play gets its focused control back once it is active.
    bool focusPending_ = false;
    // Counts the keyboard's hand-overs, so that a later one cancels one still waiting.
    int focusTurn_ = 0;
    QPointer<QWidget> untoldActivation_;
};

}  // namespace tessaro
