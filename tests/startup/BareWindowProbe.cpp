// The yardstick of start-up: a bare Qt Widgets program that shows one window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(305, 161);
    window.show();
    return QApplication::exec();
}
