// The yardstick of an idle game: a bare Qt Widgets program that shows one window and wakes
// every 10 ms for a timer, as a naive game clock would.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(305, 161);
    window.show();
    long ticks = 0;
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    clock.start(10);
    return QApplication::exec();
}
