// The yardstick of start-up: a bare Qt Widgets program that shows one window. Given a line of
// text, the window shows it five times, in the game's font at the five sizes and weights of
// the start window, as a bare program with the start window's text would.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    if (argc > 1) {
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
        auto* layout = new QVBoxLayout(&window);
        const struct {
            int pixelSize;
            bool bold;
        } looks[] = {{12, true}, {12, false}, {8, false}, {11, false}, {9, true}};
        for (const auto& look : looks) {
            auto* label = new QLabel(QString::fromLocal8Bit(argv[1]), &window);
            QFont font(QStringLiteral("Tahoma"));
            font.setPixelSize(look.pixelSize);
            font.setBold(look.bold);
            label->setFont(font);
            layout->addWidget(label);
        }
    }
    window.resize(305, 161);
    window.show();
    return QApplication::exec();
}
