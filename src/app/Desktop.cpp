#include "app/Desktop.h"

#include <QApplication>
#include <QStyleFactory>
#include <chrono>

#include "app/Program.h"
#include "app/QtShellPort.h"
#include "core/Fonts.h"

namespace tessaro {

int runDesktop(int argc, char* argv[], const std::function<void(Program&)>& started) {
    QApplication application(argc, argv);
    prepareDesktop();
    QtShellPort outside;
    Program program(outside, &clockSeed);
    program.start();
    if (started) {
        started(program);
    }
    return QApplication::exec();
}

void prepareDesktop() {
    QApplication::setApplicationName(QStringLiteral("Tessaro 1.1"));
    // Windows end the program only where the game says so; a hidden main window does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerGameFonts();
    QApplication::setFont(gameFont(11));
}

std::uint32_t clockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

}  // namespace tessaro
