#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "app/Program.h"
#include "support/RecordingShell.h"
#include "widgets/ScreenLanguage.h"

class QTimer;

namespace tessaro {
class WindowStack;
}

namespace tessaro::testing {

// What the shell's clock holds of one of the game's timers.
class ClockTimer {
  public:
    ClockTimer(const Shell& shell, const Game& game, TimerId id)
        : shell_(shell), game_(game), id_(id) {}
    bool isActive() const;
    int interval() const;
    // Milliseconds until its next tick; -1 while it does not run.
    std::int64_t remainingTime() const;

  private:
    const Shell& shell_;
    const Game& game_;
    TimerId id_;
};

// The whole program in-process, with an outside world that records instead of blocking or
// exiting, and a seed source that always gives `seed`.
class TestProgram {
  public:
    explicit TestProgram(std::uint32_t seed = 0);

    // Types the name into the start window and presses "Начать игру".
    void startGame(const QString& name = QStringLiteral("Иван"));
    // One tick of the day clock, or `count` ticks of a timer, as the real timers give them.
    void tick() { program.shell().tick(TimerId::tTime); }
    void tick(TimerId id, int count) {
        for (int i = 0; i < count; ++i) {
            program.shell().tick(id);
        }
    }

    ClockTimer timer(TimerId id) { return ClockTimer(program.shell(), program.game(), id); }
    // The one real timer, armed for the next tick that the player can see.
    const QTimer& wakeTimer();
    // The windows in play, bottom first.
    std::vector<QWidget*> windowsInPlay();

    Game& game() { return program.game(); }
    GameWindow* window(WindowId id) const { return program.window(id); }
    TfMain* fMain() const { return program.fMain(); }
    // The window, shown by the game as a rule would show it, so that its controls exist.
    GameWindow* show(WindowId id);
    // Clicks the main window's picture button and waits for the window it opens, then moves
    // the main window aside. False when the window does not come up.
    bool openFromMain(const char* button, WindowId id);
    // The offscreen platform gives the real pointer to the first window under it: the main
    // window steps aside so that an activity window centred over it gets the pointer.
    void moveMainWindowAside();
    // Whether the window is on screen; a window that the game never showed does not exist.
    bool shown(WindowId id) const { return window(id) != nullptr && window(id)->isVisible(); }

    template <typename T>
    T* find(WindowId id, const char* name) const {
        return window(id)->findChild<T*>(QLatin1String(name));
    }

    RecordingShell shell;
    Program program;
};

// The set-up that the window tests share: the real program's fonts and style once, a new
// program with a started game for each test (`startProgram`, from the test's own init()),
// and nothing left of it after the test.
class WindowTestCase : public QObject {
    Q_OBJECT
  protected:
    void startProgram(std::uint32_t seed = 0) {
        t = std::make_unique<TestProgram>(seed);
        t->startGame();
    }

    std::unique_ptr<TestProgram> t;

  protected slots:
    void initTestCase();
    void cleanup() { t.reset(); }
};

// Moves the real pointer onto a widget. The offscreen platform ignores a move to where the
// pointer already is, so it first goes one pixel aside.
void movePointer(QWidget* widget, QPoint position = {});
// Sends a widget the events of the pointer entering and moving over it, or leaving it, where
// overlapping windows would catch the real pointer.
void sendPointerOver(QWidget* widget);
void sendPointerLeave(QWidget* widget);
// Waits until the window is the application's active window. QTest's own wait counts a window
// as active while the window that owns it still is, as the main window owns the others.
bool waitUntilActive(QWidget* window);
// Types text, any characters, into the focused widget.
void typeText(QWidget* widget, const QString& text);

// A game that every activity is open to: a computer complete with a small disk (an install
// moves its gauge), the software and internet windows open, Kylix and the web courses known,
// money to spend and a mood far from its warnings.
void equipForEveryActivity(Game& game);

// An item that a window greys for a reason the player owns (a part installed, a course taken),
// the picture button of the main window that opens that window, and the rules' reason.
struct OwnedItem {
    const char* opener;
    WindowId window;
    const char* item;
    const char* reason;
};

// The fonts and style of the real program, for the test's QApplication.
void prepareApplication(ScreenLanguage language = ScreenLanguage::Russian);

}  // namespace tessaro::testing
