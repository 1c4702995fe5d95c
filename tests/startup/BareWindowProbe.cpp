// The yardstick of start-up: a bare Qt Widgets program that shows one window and ends as soon
// as it has painted.
#include <QApplication>
#include <QWidget>

#include "startup/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(305, 161);
    window.show();
    tessaro::testing::quitAtFirstPaint(&window);
    return QApplication::exec();
}
