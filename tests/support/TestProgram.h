#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "windows/Outside.h"
#include "windows/Program.h"

namespace tessaro::testing {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class RecordingMessages : public MessagePresenter {
  public:
    void show(const QString& text, const QString& title, MessageIcon icon) override {
        shown.append({text, title, icon});
    }
    QList<ShownMessage> shown;
};

class RecordingControl : public ProgramControl {
  public:
    void end() override { ++ends; }
    void restart() override { ++restarts; }
    int ends = 0;
    int restarts = 0;
};

// The whole program in-process, with an outside world that records instead of blocking or
// exiting, and a seed source that always gives `seed`.
class TestProgram {
  public:
    explicit TestProgram(std::uint32_t seed = 0);

    // Types the name into the start window and presses "Начать игру".
    void startGame(const QString& name = QStringLiteral("Иван"));

    Game& game() { return program.game(); }
    GameWindow* window(WindowId id) const { return program.window(id); }
    TfMain* fMain() const { return program.fMain(); }

    template <typename T>
    T* find(WindowId id, const char* name) const {
        return window(id)->findChild<T*>(QLatin1String(name));
    }

    RecordingMessages messages;
    RecordingControl control;
    Program program;
};

// Moves the real pointer onto a widget. The offscreen platform ignores a move to where the
// pointer already is, so it first goes one pixel aside.
void movePointer(QWidget* widget, QPoint position = {});
// Sends a widget the events of the pointer entering and moving over it, or leaving it, where
// overlapping windows would catch the real pointer.
void sendPointerOver(QWidget* widget);
void sendPointerLeave(QWidget* widget);
// Types text, any characters, into the focused widget.
void typeText(QWidget* widget, const QString& text);

// The fonts and style of the real program, for the test's QApplication.
void prepareApplication();

}  // namespace tessaro::testing
