// The yardstick of start-up: a bare Qt Widgets program that shows one window, empty or with
// the one line of text given on its command line.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(305, 161);
    window.show();
    return QApplication::exec();
}
