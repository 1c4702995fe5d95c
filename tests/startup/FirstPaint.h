#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tessaro::testing {

// Ends the application once `window` has painted for the first time: it is then on screen.
inline void quitAtFirstPaint(QWidget* window) {
    class Watcher : public QObject {
      public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                QCoreApplication::quit();
            }
            return QObject::eventFilter(watched, event);
        }
    };
    window->installEventFilter(new Watcher(window));
}

}  // namespace tessaro::testing
