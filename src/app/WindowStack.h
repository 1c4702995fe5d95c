#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <set>
#include <vector>

#include "app/WindowFocus.h"

namespace tessaro {

// The windows in play, bottom first: the main window, the activity window over it, and over
// that whatever came last (the virus window, a message box, a file dialog, the about window
// opened from the congratulations). A window joins when it shows and leaves when it hides.
// Who may act is not decided here: the game greys the windows beneath the window in play and
// Qt's modality holds them beneath its dialogs; such a window refuses the pointer, the keys, a
// screen reader's Press and its close box by itself. The stack does what neither can (the test
// that shows each in brackets):
// - each window is owned (transient) by the one beneath it, so that a window manager or a
//   compositor keeps the chain in order (WaylandTest::everyWindowHasTheGamesCaptionAndItsOwner);
// - a key that the desktop leaves with a window beneath goes to the window in play: weston keeps
//   the keyboard with the main window's surface, and a disabled window drops it
//   (WaylandTest::keysForTheMainWindowGoToTheWindowInPlay); a click there brings it forward;
// - a window that comes uninvited (the clock brought it) ignores the keyboard for its first
//   moment and keys held when it came (DesktopTest::aVirusIgnoresKeysTypedBeforeItWasSeen);
// - the keyboard follows the window in play (WindowFocus).
// A window that stands beside (the about window opened from the main menu, which leaves the
// main window usable) does not join the chain: owned by the window in play when it shows, it
// stays above it and takes input beside it.
class WindowStack : public QObject {
    Q_OBJECT
  public:
    // How long a window that came uninvited ignores the keyboard, in milliseconds: longer than
    // a key typed for another window takes to arrive, shorter than a player takes to read.
    static constexpr int kFirstMoment = 500;

    WindowStack();

    // The window in play (nullptr while none shows), and the windows in play bottom first.
    QWidget* top() const;
    std::vector<QWidget*> windows() const;
    // Takes in one of the game's windows: it joins the windows in play whenever it shows, or
    // stands beside the window in play. The dialogs of a window in play join by themselves;
    // windows of no game (another program's, in a test that runs two) are left alone.
    void adopt(QWidget* window, bool standsBeside = false);
    // Whether the window shows beside the window in play; whether it is in play or beside.
    bool standsBeside(const QWidget* window) const;
    bool takesInput(const QWidget* window) const;

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

    // Follows every event of the application; true when the event is a key that is not for
    // the window it was sent to, and is dropped.
    bool filter(QObject* watched, QEvent* event);

  private:
    struct Entry {
        QPointer<QWidget> window;
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
    // Whether the stack follows this window's input and activation: a window in play, one
    // beside, or one of the game's that has gone (a desktop late with the keyboard's focus
    // still sends to it).
    bool watches(const QWidget* window) const;
    void shown(QWidget* window);
    void hidden(QWidget* window);
    void chain();
    // Whether a key is dropped: it is meant for a window beneath the top, and goes to the top
    // instead, or it is too early for a window that came uninvited.
    bool dropsKey(QWidget* target, QEvent* event);
    bool keyForUninvited(Entry& top, QEvent* event);
    void forwardKey(const QEvent* event);

    std::vector<Entry> entries_;
    std::vector<Beside> beside_;
    std::vector<QPointer<QWidget>> adopted_;
    // The keys held down, each with the window that its press went to.
    std::map<int, QPointer<QWidget>> heldKeys_;
    QElapsedTimer clock_;
    int uninvited_ = 0;
    WindowFocus focus_;
};

}  // namespace tessaro
