// The yardstick of start-up: a bare Qt Widgets program that shows one window. Given a line of
// text, the window shows it five times, in the game's font (the game's own choice of it) at the
// five sizes and weights of the start window, as a bare program with the start window's text
// would.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/Fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    if (argc > 1) {
        tessaro::registerGameFonts();
        auto* layout = new QVBoxLayout(&window);
        const struct {
            int pixelSize;
            bool bold;
        } looks[] = {{12, true}, {12, false}, {8, false}, {11, false}, {9, true}};
        for (const auto& look : looks) {
            auto* label = new QLabel(QString::fromLocal8Bit(argv[1]), &window);
            label->setFont(tessaro::gameFont(look.pixelSize, look.bold));
            layout->addWidget(label);
        }
    }
    window.resize(305, 161);
    window.show();
    return QApplication::exec();
}
